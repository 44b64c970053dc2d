// Reading a whole file as bytes, shared by the commands that look at files.
#pragma once

#include <string>

namespace driver {

// Replaces *bytes with the file's bytes, read until nothing more comes (so a
// /proc entry, which reports no size, reads whole too); false when the file
// cannot be opened.
bool ReadFileBytes(const std::string& path, std::string* bytes);

}  // namespace driver
