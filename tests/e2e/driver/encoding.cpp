#include "encoding.h"

#include <windows.h>

#include <cstdio>

namespace driver {

namespace {

std::wstring ToWide(UINT codePage, DWORD flags, const std::string& bytes, bool* ok) {
    *ok = true;
    if (bytes.empty()) return std::wstring();
    int size = static_cast<int>(bytes.size());
    int length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
    if (length <= 0) {
        *ok = false;
        return std::wstring();
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, bytes.data(), size, &wide[0], length);
    return wide;
}

std::string FromWide(UINT codePage, const std::wstring& wide) {
    if (wide.empty()) return std::string();
    int size = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) WideCharToMultiByte(codePage, 0, wide.data(), size, &bytes[0], length, nullptr, nullptr);
    return bytes;
}

}  // namespace

bool Utf8ToAnsi(const std::string& utf8, std::string* ansi) {
    bool ok = false;
    std::wstring wide = ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, &ok);
    if (!ok) return false;
    *ansi = FromWide(CP_ACP, wide);
    return true;
}

std::string AnsiToUtf8(const std::string& ansi) {
    bool ok = false;
    return FromWide(CP_UTF8, ToWide(CP_ACP, 0, ansi, &ok));
}

std::string Shown(const std::string& ansi) {
    std::string escaped;
    for (unsigned char c : ansi) {
        if (c == '\r') {
            escaped += "\\r";
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\t') {
            escaped += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            escaped += hex;
        } else {
            escaped += static_cast<char>(c);
        }
    }
    return "\"" + AnsiToUtf8(escaped) + "\"";
}

}  // namespace driver
