// Reads the wired connection's name and IPv4 settings out of the text that
// `ipconfig /all` prints.
//
// Two layouts are read. Windows XP labels the address "IP Address. . . ." and
// its report is read label by label, each at its first occurrence anywhere.
// Windows Vista and later label it "IPv4 Address" (or "IPv4 地址" on a Chinese
// system); there one wired adapter's section is chosen and all five values
// come from it.
#pragma once

#include "platform/text.h"

namespace ruvelka {

struct AdapterSettings {
    Text connectionName;
    Text address;
    Text mask;
    Text gateway;
    Text dns;
};

// The whole report in, the five values out. Never fails: an item that the
// report does not hold gives the empty Text. A gateway or DNS server printed
// first as something other than an IPv4 address (an IPv6 gateway, say) gives
// way to the first IPv4 address on the lines below it.
AdapterSettings ParseAdapterReport(const Text& report);

// The name after the first "Ethernet adapter " heading, up to the next ":".
Text FindConnectionName(const Text& report);

// The rest of the line after the first occurrence of label (which includes
// its dot leader, colon and blank), up to the line end.
Text FindLabelledValue(const Text& report, const Text& label);

// The labels of the Windows XP layout.
extern const char kAdapterHeadingMarker[];
extern const char kAddressLabel[];
extern const char kMaskLabel[];
extern const char kGatewayLabel[];
extern const char kDnsLabel[];

}  // namespace ruvelka
