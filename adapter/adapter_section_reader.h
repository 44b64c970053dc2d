// Reads the report of Windows Vista and later: finds the wired adapter's
// section and takes the name and the four values from it alone.
#pragma once

#include "adapter/adapter_report_parser.h"

namespace ruvelka {

// The section chosen is the first wired ("Ethernet adapter " or
// "以太网适配器 ") one that holds both an IPv4 address and an IPv4 gateway;
// failing that, the first that holds an IPv4 address; failing that, the first
// wired section, which gives its name and empty values. No wired section at
// all gives five empty values.
AdapterSettings ReadWiredAdapterSection(const Text& report);

}  // namespace ruvelka
