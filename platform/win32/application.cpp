#include "platform/win32/application.h"

#include "app/command_bindings.h"
#include "platform/win32/window_frame.h"

namespace ruvelka {

namespace {

const char kMainWindowClass[] = "RuvelkaMainWindow";
const char kAboutWindowClass[] = "RuvelkaAboutWindow";

}  // namespace

Application::Application(HINSTANCE instance) : instance_(instance), context_{controls_, system_, *this, state_} {}

bool Application::ShowMainWindow() {
    FrameOptions options = {&kMainWindow, kMainWindowClass, &kMainLinkColours, true, true};
    mainWindow_ = CreateFrameWindow(*this, options);
    controls_.Attach(mainWindow_);
    return mainWindow_ != nullptr;
}

void Application::ShowAboutWindow() {
    if (aboutWindow_ != nullptr) {
        if (IsIconic(aboutWindow_)) {
            ShowWindow(aboutWindow_, SW_RESTORE);
        } else {
            SetForegroundWindow(aboutWindow_);
            SetActiveWindow(aboutWindow_);
        }
        return;
    }
    FrameOptions options = {&kAboutWindow, kAboutWindowClass, &kAboutLinkColours, false, false};
    aboutWindow_ = CreateFrameWindow(*this, options);
}

void Application::RunCommand(const char* control) {
    Command command = CommandForControl(control);
    if (command != nullptr) command(context_);
}

void Application::WindowCreated(HWND) { ++openWindows_; }

void Application::WindowDestroyed(HWND window) {
    if (window == mainWindow_) {
        mainWindow_ = nullptr;
        controls_.Attach(nullptr);
    }
    if (window == aboutWindow_) aboutWindow_ = nullptr;
    if (--openWindows_ == 0) PostQuitMessage(0);
}

void Application::RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // Tab, Shift+Tab and Esc work as in a dialog in both windows.
        if (mainWindow_ != nullptr && IsDialogMessageA(mainWindow_, &message)) continue;
        if (aboutWindow_ != nullptr && IsDialogMessageA(aboutWindow_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace ruvelka
