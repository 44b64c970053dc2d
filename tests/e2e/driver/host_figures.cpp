#include "host_figures.h"

#include "file_bytes.h"

#include <psapi.h>

#include <cctype>
#include <cstddef>
#include <cstdlib>
#include <vector>

namespace driver {

namespace {

// Wine shows the Linux root as drive Z:.
const char kHostProc[] = "Z:\\proc\\";

// The value of NAME in a NUL-separated environment block; empty when absent.
std::string EnvironmentValue(const std::string& block, const std::string& name) {
    const std::string prefix = name + "=";
    std::string::size_type start = 0;
    while (start < block.size()) {
        std::string::size_type end = block.find('\0', start);
        if (end == std::string::npos) end = block.size();
        if (block.compare(start, prefix.size(), prefix) == 0)
            return block.substr(start + prefix.size(), end - start - prefix.size());
        start = end + 1;
    }
    return std::string();
}

// The file name of the first word of a NUL-separated command line, after its
// last slash or backslash.
std::string FirstWordName(const std::string& commandLine) {
    std::string first = commandLine.substr(0, commandLine.find('\0'));
    std::string::size_type slash = first.find_last_of("\\/");
    return slash == std::string::npos ? first : first.substr(slash + 1);
}

bool AllDigits(const char* name) {
    if (*name == '\0') return false;
    for (; *name; ++name)
        if (!std::isdigit(static_cast<unsigned char>(*name))) return false;
    return true;
}

// The number after "NAME:" in a /proc status text (kB for the Vm lines).
bool StatusNumber(const std::string& status, const std::string& name, unsigned long long* value) {
    std::string::size_type at = status.find("\n" + name + ":");
    if (at == std::string::npos) return false;
    const char* start = status.c_str() + at + name.size() + 2;
    char* end = nullptr;
    *value = std::strtoull(start, &end, 10);
    return end != start;
}

// Directory entries, "." and ".." left out; false when it cannot be listed.
bool CountEntries(const std::string& folder, unsigned long* count) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    *count = 0;
    do {
        if (lstrcmpA(found.cFileName, ".") != 0 && lstrcmpA(found.cFileName, "..") != 0) ++*count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return true;
}

// The Linux processes started under executableName in the driver's prefix.
std::vector<unsigned long> HostProcessesNamed(const std::string& executableName, const std::string& prefix) {
    std::vector<unsigned long> pids;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(kHostProc) + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return pids;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !AllDigits(found.cFileName)) continue;
        const std::string entry = kHostProc + std::string(found.cFileName) + "\\";
        std::string commandLine, environment;
        if (!ReadFileBytes(entry + "cmdline", &commandLine) ||
            lstrcmpiA(FirstWordName(commandLine).c_str(), executableName.c_str()) != 0)
            continue;
        if (!ReadFileBytes(entry + "environ", &environment) || EnvironmentValue(environment, "WINEPREFIX") != prefix)
            continue;
        pids.push_back(std::strtoul(found.cFileName, nullptr, 10));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return pids;
}

// One handle in the system's list (SystemExtendedHandleInformation).
struct SystemHandleEntry {
    void* object;
    ULONG_PTR processId;
    ULONG_PTR handleValue;
    ULONG grantedAccess;
    USHORT creatorBackTraceIndex;
    USHORT objectTypeIndex;
    ULONG handleAttributes;
    ULONG reserved;
};

struct SystemHandleList {
    ULONG_PTR count;
    ULONG_PTR reserved;
    SystemHandleEntry handles[1];
};

// The handles the system lists for the process. Wine keeps them in its server
// and lists them here, though GetProcessHandleCount gives 0; false when the
// list cannot be had.
bool CountSystemHandles(DWORD processId, DWORD* count) {
    using QuerySystemInformation = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
    const ULONG kExtendedHandleInformation = 64;
    const LONG kLengthMismatch = static_cast<LONG>(0xC0000004);
    auto query = reinterpret_cast<QuerySystemInformation>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (query == nullptr) return false;
    std::vector<unsigned char> buffer(1 << 16);
    LONG status = 0;
    for (int attempt = 0; attempt < 8; ++attempt) {
        ULONG needed = 0;
        status = query(kExtendedHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status != kLengthMismatch) break;
        buffer.resize(needed > buffer.size() ? needed + 4096 : buffer.size() * 2);
    }
    if (status < 0) return false;
    const SystemHandleList* list = reinterpret_cast<const SystemHandleList*>(buffer.data());
    const std::size_t room = (buffer.size() - offsetof(SystemHandleList, handles)) / sizeof(SystemHandleEntry);
    *count = 0;
    for (std::size_t i = 0; i < list->count && i < room; ++i)
        if (list->handles[i].processId == processId) ++*count;
    return true;
}

void ReadWindowsFigures(HANDLE process, HostFigures* figures) {
    figures->gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    figures->userObjects = GetGuiResources(process, GR_USEROBJECTS);
    DWORD handles = 0;
    if (GetProcessHandleCount(process, &handles)) figures->handles = handles;
    DWORD listed = 0;
    if (CountSystemHandles(GetProcessId(process), &listed)) figures->systemHandles = listed;
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        figures->privateKb = memory.PrivateUsage / 1024;
        figures->workingSetKb = memory.WorkingSetSize / 1024;
    }
}

// Fills in the host figures; an empty text, or why they cannot be read.
std::string ReadHostProcess(const std::string& executableName, HostFigures* figures) {
    std::string ownEnvironment;
    if (!ReadFileBytes(std::string(kHostProc) + "self\\environ", &ownEnvironment))
        return "no host /proc on drive Z: (not under Wine?)";
    const std::string prefix = EnvironmentValue(ownEnvironment, "WINEPREFIX");
    if (prefix.empty()) return "the driver's host process has no WINEPREFIX";
    std::vector<unsigned long> pids = HostProcessesNamed(executableName, prefix);
    if (pids.size() != 1)
        return std::to_string(pids.size()) + " host processes run " + executableName + " in the prefix " + prefix +
               ", not one";
    const std::string pid = std::to_string(pids.front());
    const std::string entry = kHostProc + pid + "\\";
    std::string status;
    if (!ReadFileBytes(entry + "status", &status) || !StatusNumber(status, "VmRSS", &figures->residentKb) ||
        !StatusNumber(status, "VmHWM", &figures->peakResidentKb))
        return "cannot read VmRSS and VmHWM of host process " + pid;
    if (!CountEntries(entry + "fd", &figures->descriptors) || figures->descriptors == 0)
        return "cannot list the descriptors of host process " + pid;
    figures->hostPid = pids.front();
    return std::string();
}

}  // namespace

HostFigures ReadHostFigures(HANDLE process, const std::string& executableName) {
    HostFigures figures;
    ReadWindowsFigures(process, &figures);
    std::string error = ReadHostProcess(executableName, &figures);
    if (!error.empty()) {
        figures.hostPid = 0;
        figures.hostError = error;
    }
    return figures;
}

std::string FormatHostFigures(const HostFigures& f) {
    std::string host = f.hostPid == 0
                           ? "host figures unknown (" + f.hostError + ")"
                           : "host process " + std::to_string(f.hostPid) + ": VmRSS " + std::to_string(f.residentKb) +
                                 " kB, VmHWM " + std::to_string(f.peakResidentKb) + " kB, " +
                                 std::to_string(f.descriptors) + " descriptors";
    return host + "; Windows: " + std::to_string(f.gdiObjects) + " GDI objects, " + std::to_string(f.userObjects) +
           " USER objects, " + std::to_string(f.handles) + " handles (" + std::to_string(f.systemHandles) +
           " in the system's list), private " + std::to_string(f.privateKb) + " kB, working set " +
           std::to_string(f.workingSetKb) + " kB";
}

}  // namespace driver
