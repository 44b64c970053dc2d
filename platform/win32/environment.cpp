#include <vector>

#include "platform/win32/win32_system_services.h"

namespace ruvelka {

Text Win32SystemServices::ReadEnvironmentVariable(const Text& name) {
    // The program never changes its environment, so this is the environment
    // as it was at start. Names match without regard to case.
    std::vector<char> value(MAX_PATH + 1);
    for (;;) {
        DWORD n = GetEnvironmentVariableA(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (n == 0) return Text();
        if (n < value.size()) return Text(value.data(), n);
        value.resize(n + 1);
    }
}

}  // namespace ruvelka
