#include "app/command_bindings.h"

#include <cstring>

#include "adapter/change_adapter_configuration.h"
#include "adapter/view_adapter_configuration.h"
#include "netcheck/check_connectivity.h"
#include "router/router_access.h"

namespace ruvelka {

const CommandBinding kCommandBindings[] = {
    {"按钮1", CheckConnectivity},
    {"IP修改获取信息", ViewAdapterConfiguration},
    {"IP修改确定", ChangeAdapterConfiguration},
    {"按钮2", PingRouter},
    {"按钮3", OpenRouterAdminPage},
    {"按钮4", ShowAboutWindow},
};
const std::size_t kCommandBindingCount = sizeof kCommandBindings / sizeof kCommandBindings[0];

Command CommandForControl(const char* control) {
    if (control == nullptr) return nullptr;
    for (const CommandBinding& b : kCommandBindings)
        if (std::strcmp(b.control, control) == 0) return b.command;
    return nullptr;
}

void ShowAboutWindow(CommandContext& context) { context.windows.ShowAboutWindow(); }

}  // namespace ruvelka
