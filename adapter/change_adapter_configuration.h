#pragma once

#include "app/command_context.h"

namespace ruvelka {

// 修改IP: puts up the busy caption, applies the four boxes' values as the
// connection's static settings, and restores the caption.
void ChangeAdapterConfiguration(CommandContext& context);

// Checks the address, writes the script to %TEMP%\tmp1.sh, runs it through
// the network shell, tells the user how it went and removes the script. The
// group's buttons and boxes are disabled meanwhile.
void ApplyAdapterConfiguration(CommandContext& context);

}  // namespace ruvelka
