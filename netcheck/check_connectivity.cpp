#include "netcheck/check_connectivity.h"

namespace ruvelka {

void CheckConnectivity(CommandContext&) {}

}  // namespace ruvelka
