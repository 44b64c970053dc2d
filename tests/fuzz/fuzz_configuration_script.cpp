// Any five values (split at zero bytes) that hold no line break: the script
// has exactly four lines, each beginning as the network shell expects, with
// the connection name between double quotes on the last three.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "adapter/configuration_script.h"
#include "tests/fuzz/fuzz_check.h"

using ruvelka::Text;

namespace {

bool StartsWith(const Text& line, const Text& prefix) { return line.compare(0, prefix.size(), prefix) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Text input(reinterpret_cast<const char*>(data), size);
    if (input.find_first_of("\r\n") != Text::npos) return 0;  // names and values come from one line each
    std::vector<Text> v(5);
    std::size_t field = 0;
    for (char c : input) {
        if (c == '\0' && field < 4) {
            ++field;
        } else {
            v[field] += c;
        }
    }
    const Text script = ruvelka::BuildConfigurationScript(v[0], v[1], v[2], v[3], v[4]);

    std::vector<Text> lines;
    std::size_t begin = 0;
    for (std::size_t end; (end = script.find("\r\n", begin)) != Text::npos; begin = end + 2)
        lines.push_back(script.substr(begin, end - begin));
    lines.push_back(script.substr(begin));
    FUZZ_CHECK(lines.size() == 4);
    FUZZ_CHECK(lines[0] == "int ip");
    const Text quotedName = "name=\"" + v[0] + "\" ";
    FUZZ_CHECK(StartsWith(lines[1], "set address " + quotedName + "source=static addr=" + v[1] + " mask="));
    FUZZ_CHECK(lines[1] == "set address " + quotedName + "source=static addr=" + v[1] + " mask=" + v[2]);
    FUZZ_CHECK(lines[2] == "set address " + quotedName + "gateway=" + v[3] + " gwmetric=1");
    FUZZ_CHECK(lines[3] == "set dns " + quotedName + "source=static addr=" + v[4]);
    return 0;
}
