// Finding a dotted-decimal IPv4 address (such as 203.0.113.5) in page text.
//
// An address is four numbers from 0 to 255, joined by dots, with no leading
// zeros. It must stand on its own: a digit right before or after it, or a dot
// that joins it to further numbers (as in a version number such as 1.2.3.4.5),
// makes the run something else. Any byte of 0x80 or more counts as an
// ordinary non-digit, so an address right after a double-byte character is
// found both in GBK and in UTF-8 pages (neither has a digit as a trailing byte).
#pragma once

#include "platform/text.h"

namespace ruvelka {

// The address that begins exactly at the 1-based position, or the empty Text.
Text Ipv4AddressAt(const Text& text, long long position);

// The first address in the text, or the empty Text.
Text FirstIpv4Address(const Text& text);

}  // namespace ruvelka
