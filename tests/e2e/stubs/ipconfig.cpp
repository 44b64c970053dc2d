// Stands in for ipconfig: records how it was called and prints the report
// that the test put beside it, byte for byte.
#include "stub_files.h"

int main() {
    stub::RecordCommandLine("ipconfig-args.txt");
    stub::PrintBytes(stub::ReadBytes(stub::BesideMe("ipconfig-report.txt")));
    return 0;
}
