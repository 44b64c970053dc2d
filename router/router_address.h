// The check that a router address may go onto a command line and into a URL.
#pragma once

#include "platform/text.h"

namespace ruvelka {

// True when every byte of the address is an ASCII letter, a digit, or one of
// . - : / _ [ ] : what a host name, an IPv4 address or a bracketed IPv6
// address with an optional port and path can hold. Nothing else is let
// through: no blanks, no characters with a meaning of their own to the command interpreter
// (& | < > ^ " % ! ( ) ...), no control bytes and no double-byte characters,
// since a GBK lead or trailing byte can itself be one of those ASCII bytes.
// The empty address is accepted.
bool IsAcceptableRouterAddress(const Text& address);

}  // namespace ruvelka
