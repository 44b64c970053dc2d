// What every command handler is given: the controls, the system, the windows
// and the program state.
#pragma once

#include "app/program_state.h"
#include "platform/controls.h"
#include "platform/system_services.h"
#include "platform/window_system.h"

namespace ruvelka {

struct CommandContext {
    Controls& controls;
    SystemServices& system;
    WindowSystem& windows;
    ProgramState& state;
};

}  // namespace ruvelka
