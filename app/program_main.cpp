// Start-up and exit.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>
#include <winsock.h>

#include "app/program_state.h"
#include "platform/win32/application.h"

namespace ruvelka {

namespace {

// The command lines the program runs find their commands from here.
void EnterProgramFolder() {
    char path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    char* lastSlash = nullptr;
    for (char* p = path; *p; p = CharNextA(p))
        if (*p == '\\') lastSlash = p;
    if (lastSlash == nullptr) return;
    lastSlash[1] = '\0';
    SetCurrentDirectoryA(path);
}

// The program's own start routine: nothing to do.
void StartRoutine() {}

}  // namespace

int ProgramMain(HINSTANCE instance) {
    OleInitialize(nullptr);
    WSADATA sockets;
    WSAStartup(MAKEWORD(1, 1), &sockets);
    EnterProgramFolder();
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_INTERNET_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    StartRoutine();
    {
        Application app(instance);
        if (app.ShowMainWindow()) app.RunMessageLoop();
        // The exit routine, once, after the last window has gone.
        ReleaseProgramState(app.state());
        app.system().CloseInternetSession();
    }
    WSACleanup();
    OleUninitialize();
    return 0;
}

}  // namespace ruvelka

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return ruvelka::ProgramMain(instance); }
