// The script for the network shell that gives the wired connection a static
// address, mask, gateway and DNS server.
#pragma once

#include "platform/text.h"

namespace ruvelka {

// Four lines joined by CR LF, none after the last. The connection name stands
// between double quotes on the last three lines; the four values are put in
// as they are, an empty one leaving its field empty.
Text BuildConfigurationScript(const Text& name, const Text& address, const Text& mask, const Text& gateway,
                              const Text& dns);

}  // namespace ruvelka
