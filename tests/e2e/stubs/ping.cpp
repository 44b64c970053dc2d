// Stands in for ping and sends nothing anywhere: records how it was called,
// stays alive for as long as the test asks, and prints one line.
#include <windows.h>

#include "stub_files.h"

int main() {
    stub::RecordCommandLine("ping-args.txt");
    long sleepMs = stub::NumberBesideMe("ping-sleep-ms.txt", 0);
    if (sleepMs > 0) Sleep(static_cast<DWORD>(sleepMs));
    stub::PrintBytes("ping stub: no packet was sent\r\n");
    return 0;
}
