#include "stub_files.h"

#include <windows.h>

#include <cstdlib>

namespace stub {

std::string BesideMe(const char* fileName) {
    char path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    std::string::size_type slash = folder.find_last_of('\\');
    folder.erase(slash == std::string::npos ? 0 : slash + 1);
    return folder + fileName;
}

std::string ReadBytes(const std::string& path, bool* found) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (found != nullptr) *found = file != INVALID_HANDLE_VALUE;
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

namespace {

void PutBytes(const std::string& path, const std::string& bytes, DWORD disposition) {
    // Stand-ins started one after the other can still overlap (ping is not
    // waited for): the file is opened for this process alone, and a second
    // one waits its turn instead of losing its record.
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 500; ++attempt) {
        file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION) break;
        Sleep(20);
    }
    if (file == INVALID_HANDLE_VALUE) return;
    SetFilePointer(file, 0, nullptr, FILE_END);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

void AppendBytes(const std::string& path, const std::string& bytes) { PutBytes(path, bytes, OPEN_ALWAYS); }

void WriteBytes(const std::string& path, const std::string& bytes) { PutBytes(path, bytes, CREATE_ALWAYS); }

void PrintBytes(const std::string& bytes) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    std::string::size_type done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        if (!WriteFile(out, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written, nullptr) ||
            written == 0)
            return;
        done += written;
    }
}

void RecordCommandLine(const char* fileName) {
    AppendBytes(BesideMe(fileName), std::string(GetCommandLineA()) + "\r\n");
}

long NumberBesideMe(const char* fileName, long absent) {
    bool found = false;
    std::string text = ReadBytes(BesideMe(fileName), &found);
    return found ? std::strtol(text.c_str(), nullptr, 10) : absent;
}

}  // namespace stub
