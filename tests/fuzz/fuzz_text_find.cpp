// Find over any text: a position it gives holds the needle, begins a
// character, and no earlier character boundary from the start holds it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/text.h"
#include "tests/fuzz/fuzz_check.h"

using ruvelka::Text;

namespace {

bool Same(unsigned char a, unsigned char b, bool fold) {
    if (fold) {
        if (a >= 'A' && a <= 'Z') a = static_cast<unsigned char>(a - 'A' + 'a');
        if (b >= 'A' && b <= 'Z') b = static_cast<unsigned char>(b - 'A' + 'a');
    }
    return a == b;
}

bool HoldsAt(const Text& t, std::size_t at, const Text& needle, bool fold) {
    if (at + needle.size() > t.size()) return false;
    for (std::size_t i = 0; i < needle.size(); ++i)
        if (!Same(static_cast<unsigned char>(t[at + i]), static_cast<unsigned char>(needle[i]), fold)) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    // First byte: flags and start; second: needle length; the rest: text.
    const bool fold = data[0] & 1;
    const long long start = static_cast<long long>(data[0] >> 1) - 8;
    const std::size_t needleLength = data[1] % 8 + 1;
    const Text rest(reinterpret_cast<const char*>(data + 2), size - 2);
    if (rest.size() < needleLength) return 0;
    const Text needle = rest.substr(0, needleLength);
    const Text text = rest.substr(needleLength);

    const long long found = ruvelka::FindText(text, needle, start, fold);
    const long long from = start < 1 ? 1 : start;
    // Walk the character boundaries: the answer is the first one at or after
    // start that holds the needle.
    long long expected = -1;
    for (std::size_t i = 0; i < text.size(); i += ruvelka::IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1) {
        if (static_cast<long long>(i) + 1 >= from && HoldsAt(text, i, needle, fold)) {
            expected = static_cast<long long>(i) + 1;
            break;
        }
    }
    FUZZ_CHECK(found == expected);
    return 0;
}
