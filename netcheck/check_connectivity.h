#pragma once

#include "app/command_context.h"

namespace ruvelka {

// 读取路由器网络信息: LAN address, public address and the verdict.
void CheckConnectivity(CommandContext& context);

}  // namespace ruvelka
