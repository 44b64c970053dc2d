// Any text written into an address box: the box shows four fields in 0..255
// or none, and what it gives back, written again, gives back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/address_box.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ruvelka::Text written(reinterpret_cast<const char*>(data), size);
    const ruvelka::AddressFields fields = ruvelka::AddressFieldsFromText(written);
    for (int f = 0; f < 4; ++f) {
        FUZZ_CHECK(fields.blank[f] == fields.blank[0]);
        FUZZ_CHECK(fields.blank[f] || (fields.value[f] >= 0 && fields.value[f] <= 255));
    }
    const ruvelka::Text read = ruvelka::AddressTextFromFields(fields);
    FUZZ_CHECK(read.size() <= 15);
    FUZZ_CHECK(ruvelka::AddressTextFromFields(ruvelka::AddressFieldsFromText(read)) == read);
    return 0;
}
