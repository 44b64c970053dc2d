// Everything the commands need from the system, gathered behind one interface
// so that a command can run against the real system or an in-memory fake.
#pragma once

#include <cstdint>
#include <string>

#include "platform/text.h"

namespace ruvelka {

enum class WindowShow { Hidden, Normal };

// What became of a command line that was run.
struct CommandOutcome {
    bool started = false;
    // Only known when the caller waited for the command and it started.
    bool exitCodeKnown = false;
    unsigned long exitCode = 0;
};

using FileHandle = std::uintptr_t;  // 0: no file
using AutomationObject = void*;     // nullptr: no object

class SystemServices {
public:
    virtual ~SystemServices() = default;

    // Processes. Hidden or shown console; with wait, blocks until the command
    // ends and reports its exit code; without, waits at most 1000 ms for the
    // new process to be idle.
    virtual CommandOutcome RunCommandLine(const Text& commandLine, bool wait, WindowShow show) = 0;

    // The environment as it was at start; the empty Text when absent.
    virtual Text ReadEnvironmentVariable(const Text& name) = 0;

    // Files. OpenFileForWriting creates the file or empties it; WriteTextToFile
    // tells whether every byte was written.
    virtual FileHandle OpenFileForWriting(const Text& path) = 0;
    virtual bool WriteTextToFile(FileHandle file, const Text& text) = 0;
    virtual void CloseFile(FileHandle file) = 0;
    virtual std::string ReadWholeFile(const Text& path) = 0;
    virtual void DeleteFileAt(const Text& path) = 0;

    // A task-modal box titled "信息：" with an OK button and the information icon.
    virtual void ShowInformation(const Text& message) = 0;

    // Names and addresses.
    virtual Text GetLocalHostName() = 0;
    virtual Text ResolveHostName(const Text& hostName) = 0;

    // One HTTP GET; the body bytes received, empty when nothing came.
    virtual std::string HttpGet(const Text& url) = 0;

    // Automation; every operation does nothing when given no object.
    virtual AutomationObject CreateAutomationObject(const Text& progId) = 0;
    virtual void SetObjectProperty(AutomationObject object, const Text& name, std::int32_t value) = 0;
    virtual void CallObjectMethod(AutomationObject object, const Text& name, const Text& argument) = 0;
    virtual void ReleaseObject(AutomationObject object) = 0;
};

}  // namespace ruvelka
