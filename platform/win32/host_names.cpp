#include <winsock.h>

#include <cstring>

#include "platform/win32/win32_system_services.h"

namespace ruvelka {

Text Win32SystemServices::GetLocalHostName() {
    // Sixteen bytes hold a name of at most 15; a longer one fails, and a
    // name that fills the buffer without its end counts as failed too.
    char name[16] = {};
    if (gethostname(name, sizeof name) != 0) return Text();
    if (std::memchr(name, '\0', sizeof name) == nullptr) return Text();
    return Text(name);
}

Text Win32SystemServices::ResolveHostName(const Text& hostName) {
    const hostent* host = gethostbyname(hostName.c_str());
    if (host == nullptr || host->h_addrtype != AF_INET || host->h_addr_list == nullptr ||
        host->h_addr_list[0] == nullptr)
        return Text();
    in_addr first;
    std::memcpy(&first, host->h_addr_list[0], sizeof first);
    const char* dotted = inet_ntoa(first);
    return dotted == nullptr ? Text() : Text(dotted);
}

}  // namespace ruvelka
