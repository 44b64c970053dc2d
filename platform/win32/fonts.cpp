#include "platform/win32/fonts.h"

#include <cstring>

namespace ruvelka {

WindowFonts::~WindowFonts() {
    for (const Entry& e : entries_) DeleteObject(e.font);
}

HFONT WindowFonts::Songti(int height) {
    if (height == 0) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    return Get(height, false);
}

HFONT WindowFonts::Underlined(int height) { return Get(height, true); }

HFONT WindowFonts::Get(int height, bool underline) {
    for (const Entry& e : entries_)
        if (e.height == height && e.underline == underline) return e.font;
    LOGFONTA look = {};
    if (height == 0) {
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof look, &look);
    } else {
        look.lfHeight = -height;  // character height, not cell height
        look.lfWeight = FW_NORMAL;
        look.lfCharSet = GB2312_CHARSET;
        look.lfQuality = DEFAULT_QUALITY;
        look.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
        std::strcpy(look.lfFaceName, "宋体");
    }
    look.lfUnderline = underline ? TRUE : FALSE;
    HFONT font = CreateFontIndirectA(&look);
    if (font == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    entries_.push_back(Entry{height, underline, font});
    return font;
}

}  // namespace ruvelka
