// The public-IP page: where it is, and where the address stands in it.
#pragma once

namespace ruvelka {

// The page's URL, fixed when the program is built.
extern const char kPublicIpPageUrl[];

// The address field is the 46 bytes of the page text from byte 1245; the
// public address is the first 16 bytes of the field.
constexpr long long kAddressFieldStart = 1245;
constexpr long long kAddressFieldLength = 46;
constexpr long long kPublicAddressLength = 16;

}  // namespace ruvelka
