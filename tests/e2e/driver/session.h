// What a scenario run keeps between its commands.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "app/window_layout.h"
#include "host_figures.h"
#include "program.h"

namespace driver {

struct WindowKind {
    const char* word;       // how scenarios name it
    const char* className;  // the program's window class
    const ruvelka::WindowSpec* table;
};

struct Session {
    std::string programFolder;  // holds ruvelka.exe and the stand-in commands
    std::string launchFolder;   // the current folder the program starts in
    Program program;
    const WindowKind* kind = nullptr;  // the window the control commands address
    HWND window = nullptr;
    DWORD timeoutMs = 10000;
    // The main window's edit box, through which the driver learns that the
    // program has handled what was posted to it, and its text limit.
    HWND markerEdit = nullptr;
    DWORD markerLimit = 0;
    // What "measure" found, by the names the scenario gave.
    std::map<std::string, HostFigures> measurements;
};

}  // namespace driver
