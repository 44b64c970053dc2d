#pragma once

#include "app/command_context.h"

namespace ruvelka {

// Ping 路由器: pings the address in 网关 in a console window of its own,
// without waiting for it.
void PingRouter(CommandContext& context);

// 管理登录: opens http:// and the address in 网关 in the browser.
void OpenRouterAdminPage(CommandContext& context);

// Hands the URL to a new browser automation object, makes it visible and
// lets it go; every failure is silent.
void NavigateBrowser(CommandContext& context, const Text& url);

}  // namespace ruvelka
