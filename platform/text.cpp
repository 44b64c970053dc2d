#include "platform/text.h"

#include <cstring>

namespace ruvelka {

namespace {

unsigned char FoldAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c; }

bool MatchesAt(const Text& t, std::size_t at, const Text& needle, bool ignoreCase) {
    if (at + needle.size() > t.size()) return false;
    for (std::size_t i = 0; i < needle.size(); ++i) {
        unsigned char a = static_cast<unsigned char>(t[at + i]);
        unsigned char b = static_cast<unsigned char>(needle[i]);
        if (ignoreCase ? FoldAscii(a) != FoldAscii(b) : a != b) return false;
    }
    return true;
}

}  // namespace

std::size_t TextLength(const Text& t) { return t.size(); }

Text LeftPart(const Text& t, long long n) {
    if (n <= 0) return Text();
    return t.substr(0, static_cast<std::size_t>(n) < t.size() ? static_cast<std::size_t>(n) : t.size());
}

Text MiddlePart(const Text& t, long long s, long long n) {
    if (s < 1 || n <= 0 || static_cast<unsigned long long>(s) > t.size()) return Text();
    std::size_t from = static_cast<std::size_t>(s - 1);
    std::size_t available = t.size() - from;
    std::size_t count = static_cast<unsigned long long>(n) < available ? static_cast<std::size_t>(n) : available;
    return t.substr(from, count);
}

long long FindText(const Text& t, const Text& needle, long long start, bool ignoreCase) {
    if (start < 1) start = 1;
    if (static_cast<unsigned long long>(start) > t.size()) return -1;
    // Walk from the beginning so that the character boundaries are known,
    // then test only positions that begin a character.
    std::size_t from = static_cast<std::size_t>(start - 1);
    std::size_t i = 0;
    while (i <= t.size()) {
        if (i >= from && MatchesAt(t, i, needle, ignoreCase)) return static_cast<long long>(i) + 1;
        if (i == t.size()) break;
        i += IsLeadByte(static_cast<unsigned char>(t[i])) ? 2 : 1;
    }
    return -1;
}

Text BytesToText(const char* data, std::size_t size) {
    if (data == nullptr) return Text();
    const void* zero = std::memchr(data, 0, size);
    std::size_t n = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - data) : size;
    return Text(data, n);
}

Text BytesToText(const std::string& bytes) { return BytesToText(bytes.data(), bytes.size()); }

}  // namespace ruvelka
