// Stands in for ipconfig.exe, netsh.exe and ping.exe beside the benchmark's
// copy of the program, so that its commands run nothing real. A copy named
// NAME.exe appends its command line to NAME.log beside itself (the benchmark
// checks that the stand-in ran), copies NAME.out beside itself, if there is
// one, to standard output, and ends with 0.
#include <windows.h>

#include <cstring>

namespace {

void AppendLine(const char* path, const char* text) {
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
    WriteFile(file, "\r\n", 2, &written, nullptr);
    CloseHandle(file);
}

void CopyToOutput(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        DWORD written = 0;
        if (!WriteFile(output, buffer, got, &written, nullptr)) break;
    }
    CloseHandle(file);
}

}  // namespace

int main() {
    char path[MAX_PATH + 8] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 0;
    char* dot = std::strrchr(path, '.');
    if (dot == nullptr || std::strchr(dot, '\\') != nullptr) dot = path + length;
    std::strcpy(dot, ".log");
    AppendLine(path, GetCommandLineA());
    std::strcpy(dot, ".out");
    CopyToOutput(path);
    return 0;
}
