#pragma once

#include "app/command_context.h"

namespace ruvelka {

// 查看IP: runs the adapter report and shows the wired connection's settings.
void ViewAdapterConfiguration(CommandContext& context);

}  // namespace ruvelka
