// The program under test as a process: started inside a job object so that
// it and every process it starts can be ended together.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

class Program {
public:
    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    // Starts the executable with the driver's environment and the given
    // current folder; false, with a reason, when it cannot.
    bool Start(const std::string& executable, const std::string& folder, std::string* error);

    bool started() const { return process_ != nullptr; }
    bool Running() const;
    DWORD processId() const { return processId_; }
    DWORD threadId() const { return threadId_; }
    HANDLE process() const { return process_; }

    // Waits up to timeoutMs for the process to end; false when it has not.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);

    // Ends the program and whatever it started.
    void Kill();

private:
    HANDLE job_ = nullptr;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
};

}  // namespace driver
