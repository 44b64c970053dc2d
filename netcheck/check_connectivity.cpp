#include "netcheck/check_connectivity.h"

#include "app/product_info.h"
#include "netcheck/ipv4_address.h"
#include "netcheck/public_ip_page.h"

namespace ruvelka {

namespace {

const char kBusySuffix[] = " 正在检测IP地址。。。";
const char kNotDetected[] = "没有检测到";
const char kNotConnected[] = "  Sorry！您的计算机没有接入互联网络！请检查您的路由器设置或WAN口连接";
const char kConnected[] = "  恭喜，您的计算机已经接入互联网络！路由器工作正常！";

// What 标签2 shows for a page that came back: the address that starts at
// the address field, without the page text that follows it; when none starts
// there, the first address anywhere in the page; else nothing.
Text ShownPublicAddress(const Text& pageText) {
    Text address = Ipv4AddressAt(pageText, kAddressFieldStart);
    if (address.empty()) address = FirstIpv4Address(pageText);
    return address;
}

}  // namespace

void CheckConnectivity(CommandContext& context) {
    Controls& controls = context.controls;
    SystemServices& system = context.system;
    ProgramState& state = context.state;

    controls.SetCaption(ControlId::主窗口, Text(kProductCaption) + kBusySuffix);
    controls.SetCaption(ControlId::标签2, kNotDetected);

    const Text hostName = system.GetLocalHostName();
    controls.SetCaption(ControlId::标签4, system.ResolveHostName(hostName));

    state.pageText = BytesToText(system.HttpGet(kPublicIpPageUrl));
    state.addressField = MiddlePart(state.pageText, kAddressFieldStart, kAddressFieldLength);

    const char* verdict = kNotConnected;
    if (!state.pageText.empty()) {
        state.publicAddress = LeftPart(state.addressField, kPublicAddressLength);
        controls.SetCaption(ControlId::标签2, ShownPublicAddress(state.pageText));
        verdict = kConnected;
    }

    controls.SetCaption(ControlId::主窗口, kProductCaption);
    controls.SetCaption(ControlId::标签5, verdict);
}

}  // namespace ruvelka
