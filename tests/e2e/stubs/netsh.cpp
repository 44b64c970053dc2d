// Stands in for netsh: records how it was called and, for "exec <script>",
// the script's bytes; prints what the test asks for and exits with its code.
#include <cstring>

#include "stub_files.h"

int main(int argc, char** argv) {
    stub::RecordCommandLine("netsh-args.txt");
    if (argc >= 3 && _stricmp(argv[1], "exec") == 0) {
        bool found = false;
        std::string script = stub::ReadBytes(argv[2], &found);
        if (found) stub::WriteBytes(stub::BesideMe("netsh-script.txt"), script);
    }
    stub::PrintBytes(stub::ReadBytes(stub::BesideMe("netsh-output.txt")));
    return static_cast<int>(stub::NumberBesideMe("netsh-exit-code.txt", 0));
}
