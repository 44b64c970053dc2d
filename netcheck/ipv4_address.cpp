#include "netcheck/ipv4_address.h"

namespace ruvelka {

namespace {

bool IsDigitAt(const Text& text, std::size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; }

// Reads one number of 0 to 255 from at; gives the index after it, or npos.
std::size_t ReadOctet(const Text& text, std::size_t at) {
    std::size_t end = at;
    int value = 0;
    while (end - at < 3 && IsDigitAt(text, end)) value = value * 10 + (text[end++] - '0');
    if (end == at || IsDigitAt(text, end)) return Text::npos;  // no digit, or more than three
    if (end - at > 1 && text[at] == '0') return Text::npos;    // leading zero
    if (value > 255) return Text::npos;
    return end;
}

// A dot that joins a number on the given side of it.
bool DotBeforeNumber(const Text& text, std::size_t dot) {
    return dot < text.size() && text[dot] == '.' && IsDigitAt(text, dot + 1);
}
bool DotAfterNumber(const Text& text, std::size_t dot) {
    return dot >= 1 && text[dot] == '.' && IsDigitAt(text, dot - 1);
}

Text AddressFrom(const Text& text, std::size_t from) {
    if (from > 0 && (IsDigitAt(text, from - 1) || DotAfterNumber(text, from - 1))) return Text();
    std::size_t at = from;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (at >= text.size() || text[at] != '.') return Text();
            ++at;
        }
        at = ReadOctet(text, at);
        if (at == Text::npos) return Text();
    }
    if (DotBeforeNumber(text, at)) return Text();
    return text.substr(from, at - from);
}

}  // namespace

Text Ipv4AddressAt(const Text& text, long long position) {
    if (position < 1 || static_cast<unsigned long long>(position) > text.size()) return Text();
    return AddressFrom(text, static_cast<std::size_t>(position - 1));
}

Text FirstIpv4Address(const Text& text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!IsDigitAt(text, at) || (at > 0 && IsDigitAt(text, at - 1))) continue;
        Text address = AddressFrom(text, at);
        if (!address.empty()) return address;
    }
    return Text();
}

}  // namespace ruvelka
