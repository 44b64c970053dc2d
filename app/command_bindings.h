// The six clicks the program handles, each bound to its command.
#pragma once

#include <cstddef>

#include "app/command_context.h"

namespace ruvelka {

using Command = void (*)(CommandContext&);

struct CommandBinding {
    const char* control;  // a button of the main window, by name
    Command command;
};

extern const CommandBinding kCommandBindings[];
extern const std::size_t kCommandBindingCount;

// The command bound to a click on the named control, or nullptr.
Command CommandForControl(const char* control);

void ShowAboutWindow(CommandContext& context);

}  // namespace ruvelka
