#include "app/window_layout.h"

#include <cstring>

#include "app/product_info.h"

namespace ruvelka {

namespace {

constexpr Appearance Plain() { return Appearance{}; }
constexpr Appearance Font(int height) {
    return Appearance{height, kBlack, TextEffect::None, false, TextAlign::LeftMiddle};
}
constexpr Appearance Caption(std::uint32_t colour, int height = 0) {
    return Appearance{height, colour, TextEffect::None, false, TextAlign::LeftMiddle};
}
constexpr Appearance AddressLabel() {
    return Appearance{14, kRed, TextEffect::Embossed, true, TextAlign::CentreMiddle};
}
constexpr Appearance VerdictLabel() {
    return Appearance{12, kOrange, TextEffect::Engraved, true, TextAlign::LeftMiddle};
}
constexpr Appearance RouterAddressBox() {
    return Appearance{14, kRed, TextEffect::None, true, TextAlign::CentreMiddle};
}
constexpr Appearance LinkLook() { return Appearance{0, kBlue, TextEffect::None, false, TextAlign::LeftMiddle}; }
constexpr Appearance AboutTitle() { return Appearance{24, kBlue, TextEffect::Embossed, false, TextAlign::LeftMiddle}; }

using K = ControlKind;

// name, kind, in, at, size, caption or text, appearance, tab stop, id, link
const ControlSpec kMainControls[] = {
    {"分组框1", K::GroupBox, nullptr, 8, 6, 555, 102, "", Plain(), false, 1001, nullptr},
    {"图片框1", K::PictureBox, "分组框1", 2, 8, 550, 90, "", Plain(), false, 1002, nullptr},
    {"分组框2", K::GroupBox, nullptr, 7, 114, 555, 86, "网络状态", Caption(kRed, 12), false, 1003, nullptr},
    {"按钮1", K::Button, "分组框2", 11, 18, 142, 24, "读取路由器网络信息", Font(12), true, 1004, nullptr},
    {"标签1", K::Label, "分组框2", 175, 22, 48, 16, "公网IP：", Plain(), false, 1005, nullptr},
    {"标签2", K::Label, "分组框2", 223, 18, 130, 24, "", AddressLabel(), false, 1006, nullptr},
    {"标签3", K::Label, "分组框2", 369, 22, 48, 16, "内网IP：", Plain(), false, 1007, nullptr},
    {"标签4", K::Label, "分组框2", 417, 18, 130, 24, "", AddressLabel(), false, 1008, nullptr},
    {"标签5", K::Label, nullptr, 18, 166, 536, 26, "", VerdictLabel(), false, 1009, nullptr},
    {"网络管理分组框", K::GroupBox, nullptr, 7, 211, 555, 104, "查看/修改本机IP(本地连接)", Caption(kRed), false, 1010,
     nullptr},
    {"IP修改分组框", K::GroupBox, "网络管理分组框", 8, 22, 448, 74, "TCP/IP协议", Caption(kBlack), false, 1011,
     nullptr},
    {"标签9", K::Label, "IP修改分组框", 8, 17, 64, 16, "IP  地址：", Plain(), false, 1012, nullptr},
    {"IP编辑框1", K::AddressBox, "IP修改分组框", 74, 14, 144, 20, "", Font(14), true, 1013, nullptr},
    {"标签8", K::Label, "IP修改分组框", 8, 47, 64, 14, "子网掩码：", Plain(), false, 1014, nullptr},
    {"IP编辑框2", K::AddressBox, "IP修改分组框", 74, 42, 144, 20, "", Font(14), true, 1015, nullptr},
    {"标签10", K::Label, "IP修改分组框", 232, 19, 64, 12, "默认网关：", Plain(), false, 1016, nullptr},
    {"IP编辑框3", K::AddressBox, "IP修改分组框", 298, 12, 144, 20, "", Font(14), true, 1017, nullptr},
    {"标签7", K::Label, "IP修改分组框", 232, 46, 64, 16, "DNS服务器：", Plain(), false, 1018, nullptr},
    {"IP编辑框4", K::AddressBox, "IP修改分组框", 298, 42, 144, 20, "", Font(14), true, 1019, nullptr},
    {"IP修改获取信息", K::Button, "网络管理分组框", 464, 27, 80, 32, "查看IP", Font(14), true, 1020, nullptr},
    {"IP修改确定", K::Button, "网络管理分组框", 464, 63, 80, 32, "修改IP", Font(14), true, 1021, nullptr},
    {"分组框3", K::GroupBox, nullptr, 7, 318, 555, 58, "路由器登录", Caption(kRed), false, 1022, nullptr},
    {"标签6", K::Label, "分组框3", 19, 25, 107, 16, "自动检测管理地址：", Plain(), false, 1023, nullptr},
    {"网关", K::EditBox, "分组框3", 136, 21, 152, 24, "", RouterAddressBox(), true, 1024, nullptr},
    {"按钮2", K::Button, "分组框3", 312, 15, 100, 32, "Ping 路由器", Plain(), true, 1025, nullptr},
    {"按钮3", K::Button, "分组框3", 432, 15, 100, 32, "管理登录", Plain(), true, 1026, nullptr},
    {"分组框6", K::GroupBox, nullptr, 7, 382, 555, 39, "软件信息", Caption(kBlack, 12), false, 1027, nullptr},
    {"超级链接框6", K::Hyperlink, "分组框6", 8, 15, 128, 16, "查看程序最新版本", LinkLook(), false, 1028,
     kDownloadPageUrl},
    {"超级链接框5", K::Hyperlink, "分组框6", 150, 15, 184, 16, "您对程序有何建议，请点此反馈", LinkLook(), false, 1029,
     kFeedbackPageUrl},
    {"标签11", K::Label, "分组框6", 354, 15, 88, 16, "Tarsipan系列软件", Plain(), false, 1030, nullptr},
    {"按钮4", K::Button, "分组框6", 457, 11, 88, 24, "关于本软件", Plain(), true, 1031, nullptr},
};

const ControlSpec kAboutControls[] = {
    {"分组框1", K::GroupBox, nullptr, 7, 0, 360, 160, "", Plain(), false, 2001, nullptr},
    {"标签1", K::Label, "分组框1", 89, 8, 168, 48, kProductTitle, AboutTitle(), false, 2002, nullptr},
    {"标签4", K::Label, "分组框1", 48, 63, 280, 24, "本软件是一款简单易用的路由器调试辅助工具。", Plain(), false, 2003,
     nullptr},
    {"标签2", K::Label, "分组框1", 47, 87, 280, 24, kRightsLine, Plain(), false, 2004, nullptr},
    {"标签3", K::Label, "分组框1", 47, 111, 264, 24, kTelephoneLine, Plain(), false, 2005, nullptr},
    // No title of its own: it shows its address.
    {"超级链接框1", K::Hyperlink, "分组框1", 20, 132, 200, 24, kHomePageUrl, LinkLook(), false, 2006, kHomePageUrl},
};

}  // namespace

const WindowSpec kMainWindow = {kProductCaption, 576, 465, kMainControls,
                                sizeof kMainControls / sizeof kMainControls[0]};
const WindowSpec kAboutWindow = {"关于本软件", 380, 199, kAboutControls,
                                 sizeof kAboutControls / sizeof kAboutControls[0]};

const HyperlinkColours kMainLinkColours = {kBlue, kBlue, kBlue};
const HyperlinkColours kAboutLinkColours = {kBlue, Rgb(128, 0, 0), Rgb(49, 106, 197)};

const ControlSpec* FindControlSpec(const WindowSpec& window, const char* name) {
    if (name == nullptr) return nullptr;
    for (std::size_t i = 0; i < window.controlCount; ++i)
        if (std::strcmp(window.controls[i].name, name) == 0) return &window.controls[i];
    return nullptr;
}

void ClientPosition(const WindowSpec& window, const ControlSpec& control, int* x, int* y) {
    int ax = control.x;
    int ay = control.y;
    for (const ControlSpec* p = FindControlSpec(window, control.parent); p != nullptr;
         p = FindControlSpec(window, p->parent)) {
        ax += p->x;
        ay += p->y;
    }
    *x = ax;
    *y = ay;
}

const ControlSpec* SpecForControl(ControlId id) {
    // The controls the commands address, by their names in the table.
    static const struct {
        ControlId id;
        const char* name;
    } kNames[] = {
        {ControlId::按钮1, "按钮1"},
        {ControlId::标签2, "标签2"},
        {ControlId::标签4, "标签4"},
        {ControlId::标签5, "标签5"},
        {ControlId::IP编辑框1, "IP编辑框1"},
        {ControlId::IP编辑框2, "IP编辑框2"},
        {ControlId::IP编辑框3, "IP编辑框3"},
        {ControlId::IP编辑框4, "IP编辑框4"},
        {ControlId::IP修改获取信息, "IP修改获取信息"},
        {ControlId::IP修改确定, "IP修改确定"},
        {ControlId::网关, "网关"},
        {ControlId::按钮2, "按钮2"},
        {ControlId::按钮3, "按钮3"},
        {ControlId::按钮4, "按钮4"},
    };
    for (const auto& entry : kNames)
        if (entry.id == id) return FindControlSpec(kMainWindow, entry.name);
    return nullptr;  // the main window itself has no row
}

}  // namespace ruvelka
