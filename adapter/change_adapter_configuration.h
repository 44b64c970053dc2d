#pragma once

#include "app/command_context.h"

namespace ruvelka {

// 修改IP: sets the four boxes' values as the connection's static settings.
void ChangeAdapterConfiguration(CommandContext& context);
void ApplyAdapterConfiguration(CommandContext& context);

}  // namespace ruvelka
