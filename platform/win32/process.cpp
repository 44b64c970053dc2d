#include <vector>

#include "platform/win32/win32_system_services.h"

namespace ruvelka {

CommandOutcome Win32SystemServices::RunCommandLine(const Text& commandLine, bool wait, WindowShow show) {
    CommandOutcome outcome;
    // CreateProcessA may write into the command line, so it gets a copy.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show == WindowShow::Hidden ? SW_HIDE : SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return outcome;
    outcome.started = true;
    if (wait) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        if (GetExitCodeProcess(process.hProcess, &code)) {
            outcome.exitCodeKnown = true;
            outcome.exitCode = code;
        }
    } else {
        WaitForInputIdle(process.hProcess, 1000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return outcome;
}

}  // namespace ruvelka
