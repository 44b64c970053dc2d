// Byte strings in the ANSI code page (GBK on the target systems) and the
// handful of operations the commands perform on them. Positions are 1-based
// byte positions; a double-byte character counts as two bytes.
#pragma once

#include <cstddef>
#include <string>

namespace ruvelka {

using Text = std::string;

// Number of bytes.
std::size_t TextLength(const Text& t);

// The first min(n, length) bytes; empty when n <= 0.
Text LeftPart(const Text& t, long long n);

// The bytes from position s on, at most n of them; empty when s < 1,
// s > length or n <= 0.
Text MiddlePart(const Text& t, long long s, long long n);

// 1-based position of the first occurrence of needle at or after start
// (start below 1 means 1), or -1. Candidate positions step over double-byte
// characters, so a match never begins on a trailing byte. Ignoring case folds
// the ASCII letters only.
long long FindText(const Text& t, const Text& needle, long long start = 1, bool ignoreCase = false);

// The bytes up to, not including, the first zero byte (all of them if none).
Text BytesToText(const std::string& bytes);
Text BytesToText(const char* data, std::size_t size);

// True for a byte that opens a double-byte character.
inline bool IsLeadByte(unsigned char c) { return c >= 0x80; }

}  // namespace ruvelka
