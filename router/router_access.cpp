#include "router/router_access.h"

#include "router/router_address.h"

namespace ruvelka {

namespace {

const char kPingCommand[] = "cmd /c ping ";
const char kUrlScheme[] = "http://";
const char kBrowserProgId[] = "internetexplorer.application";
const char kAddressRefused[] = "路由器地址输入错误！请重新输入！";

// Reads 网关 as it stands now. An address that could carry anything beyond an
// address onto the command line or into the URL is refused with a message.
bool ReadRouterAddress(CommandContext& context, Text& address) {
    address = context.controls.EditText(ControlId::网关);
    if (IsAcceptableRouterAddress(address)) return true;
    context.system.ShowInformation(kAddressRefused);
    return false;
}

}  // namespace

void PingRouter(CommandContext& context) {
    Text address;
    if (!ReadRouterAddress(context, address)) return;
    context.system.RunCommandLine(kPingCommand + address, false, WindowShow::Normal);
}

void OpenRouterAdminPage(CommandContext& context) {
    Text address;
    if (!ReadRouterAddress(context, address)) return;
    NavigateBrowser(context, kUrlScheme + address);
}

void NavigateBrowser(CommandContext& context, const Text& url) {
    AutomationObject browser = context.system.CreateAutomationObject(kBrowserProgId);
    if (browser == nullptr) return;
    // A 4-byte integer, as the browser's own property takes it.
    context.system.SetObjectProperty(browser, "visible", 1);
    context.system.CallObjectMethod(browser, "navigate", url);
    // The browser window stays open; it is the user's from now on.
    context.system.ReleaseObject(browser);
}

}  // namespace ruvelka
