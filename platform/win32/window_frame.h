// A top-level window with a fixed frame and only the close box, built from a
// window definition: every control of its table becomes a child window at its
// place, with its caption, font and colours.
#pragma once

#include <windows.h>

#include "app/window_layout.h"

namespace ruvelka {

class Application;

struct FrameOptions {
    const WindowSpec* spec;
    const char* className;
    const HyperlinkColours* linkColours;
    bool titleAlwaysActive;  // paint the title bar active whenever enabled
    bool handlesCommands;    // button clicks run the bound commands
};

// Creates and shows the window, centred on the screen; nullptr on failure.
HWND CreateFrameWindow(Application& app, const FrameOptions& options);

}  // namespace ruvelka
