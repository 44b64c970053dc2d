// Reads the wired connection's name and IPv4 settings out of the text that
// `ipconfig /all` prints.
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
// report does not hold gives the empty Text.
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
