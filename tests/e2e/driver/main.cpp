// Runs one scenario against ruvelka.exe: ruvelka_driver SCENARIO
//
// Reads from the environment: E2E_PROGRAM, the folder with ruvelka.exe and
// the stand-in commands; E2E_WORK, the folder the program is started in;
// E2E_TEMP, the TEMP the program gets unless the scenario says otherwise.
// Prints each command as it runs; on the first failure prints what was
// expected and what was found, ends the program and exits with 1.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "encoding.h"
#include "run_lines.h"
#include "scenario.h"
#include "session.h"

namespace {

std::string Variable(const char* name) {
    char value[32768];
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

int Report(const std::string& utf8) {
    std::printf("%s\n", utf8.c_str());
    std::fflush(stdout);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return Report("usage: ruvelka_driver SCENARIO");
    if (GetACP() != 936)
        return Report("the ANSI code page is " + std::to_string(GetACP()) + ", not 936: run under LANG=zh_CN.UTF-8");

    driver::Session session;
    session.programFolder = Variable("E2E_PROGRAM");
    session.launchFolder = Variable("E2E_WORK");
    if (session.programFolder.empty() || session.launchFolder.empty())
        return Report("E2E_PROGRAM and E2E_WORK must name the program's folder and the folder to start it in");
    // Wine gives every process a TEMP of its own; the program gets the case's.
    std::string temp = Variable("E2E_TEMP");
    if (!temp.empty()) {
        SetEnvironmentVariableA("TEMP", temp.c_str());
        SetEnvironmentVariableA("TMP", temp.c_str());
    }

    std::vector<driver::ScenarioLine> lines;
    std::string error;
    if (!driver::ReadScenario(argv[1], &lines, &error)) return Report("scenario: " + error);

    if (!driver::RunLines(session, lines)) {
        session.program.Kill();
        return 1;
    }
    if (session.program.Running()) {
        Report("the program still runs at the end of the scenario; ending it");
        session.program.Kill();
    }
    return 0;
}
