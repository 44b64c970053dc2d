#pragma once

#include "app/command_context.h"

namespace ruvelka {

// Ping 路由器: pings the address in 网关 in a console window.
void PingRouter(CommandContext& context);

// 管理登录: opens http:// and the address in 网关 in the browser.
void OpenRouterAdminPage(CommandContext& context);
void NavigateBrowser(CommandContext& context, const Text& url);

}  // namespace ruvelka
