#include "adapter/adapter_report_parser.h"

namespace ruvelka {

const char kAdapterHeadingMarker[] = "Ethernet adapter ";
const char kAddressLabel[] = "IP Address. . . . . . . . . . . . : ";
const char kMaskLabel[] = "Subnet Mask . . . . . . . . . . . : ";
const char kGatewayLabel[] = "Default Gateway . . . . . . . . . : ";
const char kDnsLabel[] = "DNS Servers . . . . . . . . . . . : ";

namespace {

const char kLineEnd[] = "\r\n";

// The bytes from p up to (not including) the first occurrence of terminator at
// or after p; empty when the terminator is missing.
Text TakeUntil(const Text& report, long long p, const Text& terminator) {
    long long q = FindText(report, terminator, p, true);
    if (q < 0) return Text();
    return MiddlePart(report, p, q - p);
}

Text TakeAfter(const Text& report, const Text& marker, const Text& terminator) {
    long long found = FindText(report, marker, 1, true);
    if (found < 0) return Text();
    return TakeUntil(report, found + static_cast<long long>(marker.size()), terminator);
}

}  // namespace

Text FindConnectionName(const Text& report) { return TakeAfter(report, kAdapterHeadingMarker, ":"); }

Text FindLabelledValue(const Text& report, const Text& label) { return TakeAfter(report, label, kLineEnd); }

AdapterSettings ParseAdapterReport(const Text& report) {
    AdapterSettings s;
    s.connectionName = FindConnectionName(report);
    s.address = FindLabelledValue(report, kAddressLabel);
    s.mask = FindLabelledValue(report, kMaskLabel);
    s.gateway = FindLabelledValue(report, kGatewayLabel);
    s.dns = FindLabelledValue(report, kDnsLabel);
    return s;
}

}  // namespace ruvelka
