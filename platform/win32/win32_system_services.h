// The system services over the real Windows calls. One instance lives for the
// whole run; it owns the internet session, opened on first use.
#pragma once

#include <windows.h>

#include "platform/system_services.h"

namespace ruvelka {

class Win32SystemServices : public SystemServices {
public:
    Win32SystemServices() = default;
    ~Win32SystemServices() override;
    Win32SystemServices(const Win32SystemServices&) = delete;
    Win32SystemServices& operator=(const Win32SystemServices&) = delete;

    // process.cpp
    CommandOutcome RunCommandLine(const Text& commandLine, bool wait, WindowShow show) override;
    // environment.cpp
    Text ReadEnvironmentVariable(const Text& name) override;
    // files.cpp
    FileHandle OpenFileForWriting(const Text& path) override;
    bool WriteTextToFile(FileHandle file, const Text& text) override;
    void CloseFile(FileHandle file) override;
    std::string ReadWholeFile(const Text& path) override;
    void DeleteFileAt(const Text& path) override;
    // message_box.cpp
    void ShowInformation(const Text& message) override;
    // host_names.cpp
    Text GetLocalHostName() override;
    Text ResolveHostName(const Text& hostName) override;
    // http.cpp
    std::string HttpGet(const Text& url) override;
    // automation.cpp
    AutomationObject CreateAutomationObject(const Text& progId) override;
    void SetObjectProperty(AutomationObject object, const Text& name, std::int32_t value) override;
    void CallObjectMethod(AutomationObject object, const Text& name, const Text& argument) override;
    void ReleaseObject(AutomationObject object) override;

    // Closes the internet session if one was opened (http.cpp); runs at exit.
    void CloseInternetSession();

private:
    void* internetSession_ = nullptr;  // HINTERNET
};

}  // namespace ruvelka
