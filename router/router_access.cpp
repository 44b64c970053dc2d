#include "router/router_access.h"

namespace ruvelka {

void PingRouter(CommandContext&) {}
void OpenRouterAdminPage(CommandContext&) {}
void NavigateBrowser(CommandContext&, const Text&) {}

}  // namespace ruvelka
