// An in-memory system: files in a map, an environment in a map, command lines
// recorded, and scripted answers for processes, names, HTTP and automation.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/command_context.h"
#include "platform/system_services.h"
#include "tests/fakes/fake_controls.h"

namespace ruvelka {

class FakeSystemServices : public SystemServices {
public:
    CommandOutcome RunCommandLine(const Text& commandLine, bool wait, WindowShow show) override {
        commands.push_back(commandLine);
        log.push_back("run " + commandLine);
        lastWait = wait;
        lastShow = show;
        if (onRun) onRun(commandLine);
        CommandOutcome outcome;
        outcome.started = commandStarts;
        outcome.exitCodeKnown = commandStarts && wait;
        outcome.exitCode = outcome.exitCodeKnown ? exitCode : 0;
        return outcome;
    }
    Text ReadEnvironmentVariable(const Text& name) override {
        ++environmentReads;
        auto it = environment.find(name);
        return it == environment.end() ? Text() : it->second;
    }
    FileHandle OpenFileForWriting(const Text& path) override {
        log.push_back("open " + path);
        if (!filesWritable) return 0;
        files[path].clear();
        openPaths.push_back(path);
        return openPaths.size();
    }
    bool WriteTextToFile(FileHandle file, const Text& text) override {
        if (file == 0 || file > openPaths.size()) return false;
        if (!writesSucceed) return false;
        files[openPaths[file - 1]] += text;
        log.push_back("write " + openPaths[file - 1]);
        return true;
    }
    void CloseFile(FileHandle file) override { log.push_back("close " + std::to_string(file)); }
    std::string ReadWholeFile(const Text& path) override {
        log.push_back("read " + path);
        auto it = files.find(path);
        return it == files.end() ? std::string() : it->second;
    }
    void DeleteFileAt(const Text& path) override {
        log.push_back("delete " + path);
        if (deletesSucceed) files.erase(path);
    }
    void ShowInformation(const Text& message) override {
        messages.push_back(message);
        log.push_back("message " + message);
        if (onMessage) onMessage(message);
    }
    Text GetLocalHostName() override { return hostName; }
    Text ResolveHostName(const Text& name) override {
        resolved.push_back(name);
        auto it = hostAddresses.find(name);
        return it == hostAddresses.end() ? Text() : it->second;
    }
    std::string HttpGet(const Text& url) override {
        urls.push_back(url);
        log.push_back("http " + url);
        return page;
    }
    AutomationObject CreateAutomationObject(const Text& progId) override {
        log.push_back("create " + progId);
        return automationAvailable ? static_cast<AutomationObject>(&automationToken) : nullptr;
    }
    void SetObjectProperty(AutomationObject object, const Text& name, std::int32_t value) override {
        if (object == nullptr) return;
        log.push_back("set " + name + " " + std::to_string(value));
    }
    void CallObjectMethod(AutomationObject object, const Text& name, const Text& argument) override {
        if (object == nullptr) return;
        log.push_back("call " + name + " " + argument);
    }
    void ReleaseObject(AutomationObject object) override {
        if (object == nullptr) return;
        log.push_back("release");
    }

    // Scripted answers.
    std::map<Text, Text> environment;
    std::map<Text, std::string> files;
    bool filesWritable = true;
    bool writesSucceed = true;
    bool deletesSucceed = true;  // false: files stay, as in a folder the user may not change
    bool commandStarts = true;
    unsigned long exitCode = 0;
    std::function<void(const Text&)> onRun;
    std::function<void(const Text&)> onMessage;
    Text hostName;
    std::map<Text, Text> hostAddresses;
    std::string page;
    bool automationAvailable = true;
    int automationToken = 0;

    // What happened.
    std::vector<std::string> log;
    std::vector<Text> commands;
    std::vector<Text> messages;
    std::vector<Text> resolved;
    std::vector<Text> urls;
    std::vector<Text> openPaths;
    bool lastWait = false;
    WindowShow lastShow = WindowShow::Hidden;
    int environmentReads = 0;
};

class FakeWindowSystem : public WindowSystem {
public:
    void ShowAboutWindow() override { ++aboutRequests; }
    int aboutRequests = 0;
};

// A context over fresh fakes, for the command tests.
struct FakeWorld {
    FakeControls controls;
    FakeSystemServices system;
    FakeWindowSystem windows;
    ProgramState state;
    CommandContext context{controls, system, windows, state};
};

}  // namespace ruvelka
