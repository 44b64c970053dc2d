// Any report, of any layout or none: every value the parser gives is a run of
// bytes that stands in the report, and holds no line end.
#include <cstddef>
#include <cstdint>
#include <string>

#include "adapter/adapter_report_parser.h"
#include "tests/fuzz/fuzz_check.h"

using ruvelka::Text;

namespace {

void CheckValue(const Text& report, const Text& value) {
    if (value.empty()) return;
    FUZZ_CHECK(report.find(value) != Text::npos);
    FUZZ_CHECK(value.find('\r') == Text::npos);
    FUZZ_CHECK(value.find('\n') == Text::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Text report(reinterpret_cast<const char*>(data), size);
    const ruvelka::AdapterSettings s = ruvelka::ParseAdapterReport(report);
    CheckValue(report, s.connectionName);
    CheckValue(report, s.address);
    CheckValue(report, s.mask);
    CheckValue(report, s.gateway);
    CheckValue(report, s.dns);
    // The name ends at its heading's ":" (one that begins a character: after a
    // lead byte, ":" is the second byte of a double-byte character).
    FUZZ_CHECK(ruvelka::FindText(s.connectionName, ":") == -1);
    return 0;
}
