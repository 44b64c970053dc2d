// What the stand-ins for the system commands share: they keep their records
// in files beside their own executable, which is the program's folder.
#pragma once

#include <string>

namespace stub {

// The path of a file in the folder of the running executable.
std::string BesideMe(const char* fileName);

// The whole file as bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path, bool* found = nullptr);

// Appends, or replaces the file with, these bytes.
void AppendBytes(const std::string& path, const std::string& bytes);
void WriteBytes(const std::string& path, const std::string& bytes);

// The bytes, unchanged, on standard output (no line-end translation).
void PrintBytes(const std::string& bytes);

// Appends the command line, as this process received it, and CR LF to the
// file beside the executable.
void RecordCommandLine(const char* fileName);

// The decimal number at the start of the file beside the executable, or
// `absent` when there is no such file.
long NumberBesideMe(const char* fileName, long absent);

}  // namespace stub
