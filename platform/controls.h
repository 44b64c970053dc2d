// The control properties that the commands read and write. The window layer
// implements them over the real controls; the tests use an in-memory fake.
#pragma once

#include "platform/text.h"

namespace ruvelka {

// The controls that commands touch, by their names in the window definition.
enum class ControlId {
    主窗口,          // the main window itself (its caption)
    按钮1,           // 读取路由器网络信息
    标签2,           // public address
    标签4,           // LAN address
    标签5,           // verdict line
    IP编辑框1,       // IPv4 address
    IP编辑框2,       // subnet mask
    IP编辑框3,       // default gateway
    IP编辑框4,       // DNS server
    IP修改获取信息,  // 查看IP
    IP修改确定,      // 修改IP
    网关,            // router address
    按钮2,           // Ping 路由器
    按钮3,           // 管理登录
    按钮4,           // 关于本软件
};

class Controls {
public:
    virtual ~Controls() = default;

    // The window's or a label's caption; a label repaints at once.
    virtual Text Caption(ControlId id) = 0;
    virtual void SetCaption(ControlId id, const Text& caption) = 0;

    // The text of the edit box 网关, as it stands.
    virtual Text EditText(ControlId id) = 0;
    virtual void SetEditText(ControlId id, const Text& text) = 0;

    virtual void SetDisabled(ControlId id, bool disabled) = 0;

    // IP address boxes, with the rules of address_box.h.
    virtual Text Address(ControlId id) = 0;
    virtual void SetAddress(ControlId id, const Text& address) = 0;
};

}  // namespace ruvelka
