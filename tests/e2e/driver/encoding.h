// Scenarios are UTF-8; the program's texts are bytes in the ANSI code page
// (GBK here). The driver works in ANSI and prints UTF-8.
#pragma once

#include <string>

namespace driver {

// False when the bytes are not UTF-8.
bool Utf8ToAnsi(const std::string& utf8, std::string* ansi);

std::string AnsiToUtf8(const std::string& ansi);

// A text as it should appear in a report: quoted, with control bytes shown
// as \r, \n, \t or \xHH, in UTF-8.
std::string Shown(const std::string& ansi);

}  // namespace driver
