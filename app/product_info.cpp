#include "app/product_info.h"

namespace ruvelka {

const char kProductCaption[] = "Ruvelka V2.0 [免费软件]";
const char kProductTitle[] = "Ruvelka";
// The product has no web site of its own yet: the addresses stay within the
// reserved .example domain until it has one, so that no link can lead to a
// page that belongs to somebody else.
const char kDownloadPageUrl[] = "http://ruvelka.example/download.htm";
const char kFeedbackPageUrl[] = "http://ruvelka.example/feedback.htm";
const char kHomePageUrl[] = "http://ruvelka.example/";
const char kRightsLine[] = "Ruvelka 开发者 版权所有，免费使用";
const char kTelephoneLine[] = "电话：暂无";

}  // namespace ruvelka
