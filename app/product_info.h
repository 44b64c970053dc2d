// The product's own words and addresses, kept in one place.
#pragma once

namespace ruvelka {

extern const char kProductCaption[];     // the main window's caption
extern const char kProductTitle[];       // the About window's title line
extern const char kDownloadPageUrl[];    // 查看程序最新版本
extern const char kFeedbackPageUrl[];    // 您对程序有何建议，请点此反馈
extern const char kHomePageUrl[];        // the About window's link
extern const char kRightsLine[];         // the About window's rights line
extern const char kTelephoneLine[];      // "电话：" and the maker's numbers

}  // namespace ruvelka
