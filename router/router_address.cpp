#include "router/router_address.h"

namespace ruvelka {

namespace {

bool IsAddressByte(unsigned char c) {
    if (c >= 'a' && c <= 'z') return true;
    if (c >= 'A' && c <= 'Z') return true;
    if (c >= '0' && c <= '9') return true;
    switch (c) {
        case '.':
        case '-':
        case ':':
        case '/':
        case '_':
        case '[':
        case ']': return true;
        default: return false;
    }
}

}  // namespace

bool IsAcceptableRouterAddress(const Text& address) {
    for (char c : address)
        if (!IsAddressByte(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace ruvelka
