#include "program.h"

#include <vector>

namespace driver {

Program::~Program() {
    Kill();
    if (process_ != nullptr) CloseHandle(process_);
    if (job_ != nullptr) CloseHandle(job_);
}

bool Program::Start(const std::string& executable, const std::string& folder, std::string* error) {
    if (process_ != nullptr) {
        *error = "the program was started already";
        return false;
    }
    job_ = CreateJobObjectA(nullptr, nullptr);
    if (job_ != nullptr) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    std::string quoted = "\"" + executable + "\"";
    std::vector<char> line(quoted.begin(), quoted.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(executable.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        folder.c_str(), &startup, &info)) {
        *error = "cannot start the program (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    if (job_ != nullptr) AssignProcessToJobObject(job_, info.hProcess);
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    threadId_ = info.dwThreadId;
    return true;
}

bool Program::Running() const { return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

bool Program::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (process_ == nullptr || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(process_, exitCode);
    return true;
}

void Program::Kill() {
    if (job_ != nullptr) TerminateJobObject(job_, 1);
    if (Running()) TerminateProcess(process_, 1);
    if (process_ != nullptr) WaitForSingleObject(process_, 5000);
}

}  // namespace driver
