#include "adapter/adapter_section_reader.h"

#include <vector>

#include "adapter/report_lines.h"

namespace ruvelka {

namespace {

// The English and the Simplified Chinese wording of each item.
using Wordings = const char* const[2];

Wordings kWiredHeadingMarkers = {"Ethernet adapter ", "以太网适配器 "};
Wordings kAddressLabels = {"IPv4 Address", "IPv4 地址"};
Wordings kMaskLabels = {"Subnet Mask", "子网掩码"};
Wordings kGatewayLabels = {"Default Gateway", "默认网关"};
Wordings kDnsLabels = {"DNS Servers", "DNS 服务器"};

bool IsOneOf(const Text& label, Wordings& wordings) {
    for (const char* wording : wordings) {
        if (SameIgnoringAsciiCase(label, wording)) return true;
    }
    return false;
}

// The length of the wired-adapter marker that the heading begins with, or 0.
std::size_t WiredMarkerLength(const Text& heading) {
    for (const char* marker : kWiredHeadingMarkers) {
        if (StartsWithIgnoringAsciiCase(heading, marker)) return Text(marker).size();
    }
    return 0;
}

// The heading's text after the marker, up to ":"; empty without a ":".
Text NameFromHeading(const Text& heading, std::size_t markerLength) {
    long long start = static_cast<long long>(markerLength) + 1;
    long long colon = FindText(heading, ":", start);
    if (colon < 0) return Text();
    return MiddlePart(heading, start, colon - start);
}

struct SectionReading {
    AdapterSettings settings;
    bool holdsAddress = false;
    bool holdsGateway = false;
};

// Reads the section whose heading is lines[heading]; it ends before the next
// heading.
SectionReading ReadSection(const std::vector<Text>& lines, std::size_t heading, std::size_t markerLength) {
    SectionReading reading;
    AdapterSettings& s = reading.settings;
    s.connectionName = NameFromHeading(lines[heading], markerLength);
    bool addressSeen = false, maskSeen = false, gatewaySeen = false, dnsSeen = false;
    for (std::size_t i = heading + 1; i < lines.size() && !IsHeadingLine(lines[i]); ++i) {
        FieldLine field;
        if (!ReadFieldLine(lines[i], &field)) continue;
        if (!addressSeen && IsOneOf(field.label, kAddressLabels)) {
            s.address = field.value;
            addressSeen = true;
        } else if (!maskSeen && IsOneOf(field.label, kMaskLabels)) {
            s.mask = field.value;
            maskSeen = true;
        } else if (!gatewaySeen && IsOneOf(field.label, kGatewayLabels)) {
            s.gateway = PreferIpv4(field.value, lines, i + 1);
            gatewaySeen = true;
        } else if (!dnsSeen && IsOneOf(field.label, kDnsLabels)) {
            s.dns = PreferIpv4(field.value, lines, i + 1);
            dnsSeen = true;
        }
    }
    reading.holdsAddress = HoldsIpv4Address(s.address);
    reading.holdsGateway = HoldsIpv4Address(s.gateway);
    return reading;
}

}  // namespace

AdapterSettings ReadWiredAdapterSection(const Text& report) {
    const std::vector<Text> lines = SplitReportLines(report);
    bool anyWired = false;
    SectionReading firstWired;
    bool addressFound = false;
    SectionReading firstWithAddress;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!IsHeadingLine(lines[i])) continue;
        std::size_t markerLength = WiredMarkerLength(lines[i]);
        if (markerLength == 0) continue;
        SectionReading reading = ReadSection(lines, i, markerLength);
        if (reading.holdsAddress && reading.holdsGateway) return reading.settings;
        if (reading.holdsAddress && !addressFound) {
            firstWithAddress = reading;
            addressFound = true;
        }
        if (!anyWired) {
            firstWired = reading;
            anyWired = true;
        }
    }
    if (addressFound) return firstWithAddress.settings;
    // A wired adapter without an address (disconnected, say) gives its name
    // only, so that the change command can still name the connection.
    AdapterSettings nameOnly;
    if (anyWired) nameOnly.connectionName = firstWired.settings.connectionName;
    return nameOnly;
}

}  // namespace ruvelka
