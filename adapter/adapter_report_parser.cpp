#include "adapter/adapter_report_parser.h"

#include "adapter/adapter_section_reader.h"
#include "adapter/report_lines.h"

namespace ruvelka {

const char kAdapterHeadingMarker[] = "Ethernet adapter ";
const char kAddressLabel[] = "IP Address. . . . . . . . . . . . : ";
const char kMaskLabel[] = "Subnet Mask . . . . . . . . . . . : ";
const char kGatewayLabel[] = "Default Gateway . . . . . . . . . : ";
const char kDnsLabel[] = "DNS Servers . . . . . . . . . . . : ";

namespace {

const char kLineEnd[] = "\r\n";

// Where the first occurrence of marker ends and what follows it up to
// terminator: the value, and the position of the terminator (-1 and the empty
// Text when the marker or the terminator is missing).
struct Found {
    Text value;
    long long terminator = -1;
};

Found TakeAfter(const Text& report, const Text& marker, const Text& terminator) {
    Found found;
    long long at = FindText(report, marker, 1, true);
    if (at < 0) return found;
    long long p = at + static_cast<long long>(marker.size());
    long long q = FindText(report, terminator, p, true);
    if (q < 0) return found;
    found.value = MiddlePart(report, p, q - p);
    // An item never runs past the end of its own line: a name whose ":" is
    // not on its heading line is missing, and a value stops at a stray CR or
    // LF, so that nothing after it can reach a box or the netsh script.
    std::size_t lineBreak = found.value.find_first_of("\r\n");
    if (lineBreak != Text::npos) {
        if (terminator != kLineEnd) return Found();
        found.value.resize(lineBreak);
    }
    found.terminator = q;
    return found;
}

// The labelled value of the Windows XP layout; when it is not an IPv4
// address, the first IPv4 address on the continuation lines under it.
Text FindLabelledIpv4Value(const Text& report, const Text& label) {
    Found found = TakeAfter(report, label, kLineEnd);
    if (found.terminator < 0 || HoldsIpv4Address(found.value)) return found.value;
    const long long nextLine = found.terminator + static_cast<long long>(sizeof kLineEnd - 1);
    return PreferIpv4(found.value, SplitReportLines(MiddlePart(report, nextLine, TextLength(report))), 0);
}

AdapterSettings ReadXpReport(const Text& report) {
    AdapterSettings s;
    s.connectionName = FindConnectionName(report);
    s.address = FindLabelledValue(report, kAddressLabel);
    s.mask = FindLabelledValue(report, kMaskLabel);
    s.gateway = FindLabelledIpv4Value(report, kGatewayLabel);
    s.dns = FindLabelledIpv4Value(report, kDnsLabel);
    return s;
}

}  // namespace

Text FindConnectionName(const Text& report) { return TakeAfter(report, kAdapterHeadingMarker, ":").value; }

Text FindLabelledValue(const Text& report, const Text& label) { return TakeAfter(report, label, kLineEnd).value; }

AdapterSettings ParseAdapterReport(const Text& report) {
    // The layout is settled once for the whole report: Windows XP prints the
    // address label with its own dot leader, later systems never print it.
    if (FindText(report, kAddressLabel, 1, true) > 0) return ReadXpReport(report);
    return ReadWiredAdapterSection(report);
}

}  // namespace ruvelka
