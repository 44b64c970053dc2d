// The fonts of one window: 宋体 at the pixel heights its controls ask for,
// and the system's default interface font.
#pragma once

#include <windows.h>

#include <vector>

namespace ruvelka {

class WindowFonts {
public:
    WindowFonts() = default;
    ~WindowFonts();
    WindowFonts(const WindowFonts&) = delete;
    WindowFonts& operator=(const WindowFonts&) = delete;

    // 宋体 at this character height in pixels; 0 gives the default font.
    HFONT Songti(int height);
    // The same font underlined, for hyperlinks.
    HFONT Underlined(int height);

private:
    struct Entry {
        int height;
        bool underline;
        HFONT font;
    };
    HFONT Get(int height, bool underline);

    std::vector<Entry> entries_;
};

}  // namespace ruvelka
