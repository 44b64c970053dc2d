// Any text typed as the router address: it is accepted exactly when every
// byte is one an address can hold, so an accepted text never brings a blank,
// a quote or anything the command interpreter acts on onto the command line.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "router/router_address.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

bool AddressByte(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           (c != 0 && std::strchr(".-:/_[]", c) != nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ruvelka::Text address(reinterpret_cast<const char*>(data), size);
    bool expected = true;
    for (std::size_t i = 0; i < size; ++i) expected = expected && AddressByte(data[i]);
    FUZZ_CHECK(ruvelka::IsAcceptableRouterAddress(address) == expected);
    if (expected) FUZZ_CHECK(address.find_first_of(" \t\r\n&|<>^\"%!()") == ruvelka::Text::npos);
    return 0;
}
