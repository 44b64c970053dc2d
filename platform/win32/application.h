// What the windows of one run share: the services, the program state, the
// controls of the main window, and the count of open top-level windows.
#pragma once

#include <windows.h>

#include "app/command_context.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_system_services.h"

namespace ruvelka {

class Application : public WindowSystem {
public:
    explicit Application(HINSTANCE instance);

    // Creates and shows the main window; false when it could not be made.
    bool ShowMainWindow();

    // Opens the About window, or restores or activates the open one.
    void ShowAboutWindow() override;

    // Runs the message loop until the last window is gone.
    void RunMessageLoop();

    // Runs the command bound to a click on the named control.
    void RunCommand(const char* control);

    // Called by every top-level window as it is created and destroyed; the
    // program quits when the last one is gone.
    void WindowCreated(HWND window);
    void WindowDestroyed(HWND window);

    HINSTANCE instance() const { return instance_; }
    HWND mainWindow() const { return mainWindow_; }
    Win32SystemServices& system() { return system_; }
    ProgramState& state() { return state_; }

private:
    HINSTANCE instance_;
    HWND mainWindow_ = nullptr;
    HWND aboutWindow_ = nullptr;
    int openWindows_ = 0;
    Win32SystemServices system_;
    ProgramState state_;
    Win32Controls controls_;
    CommandContext context_;
};

}  // namespace ruvelka
