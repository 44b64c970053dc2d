#include "platform/win32/win32_system_services.h"

namespace ruvelka {

FileHandle Win32SystemServices::OpenFileForWriting(const Text& path) {
    // Created when missing, emptied when present, so that nothing of an
    // earlier, longer file can survive after what is written now.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    return reinterpret_cast<FileHandle>(file);
}

bool Win32SystemServices::WriteTextToFile(FileHandle file, const Text& text) {
    if (file == 0) return false;
    HANDLE handle = reinterpret_cast<HANDLE>(file);
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(text.size() - done > 0x100000 ? 0x100000 : text.size() - done);
        if (!WriteFile(handle, text.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

void Win32SystemServices::CloseFile(FileHandle file) {
    if (file != 0) CloseHandle(reinterpret_cast<HANDLE>(file));
}

std::string Win32SystemServices::ReadWholeFile(const Text& path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[16384];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

void Win32SystemServices::DeleteFileAt(const Text& path) { DeleteFileA(path.c_str()); }

}  // namespace ruvelka
