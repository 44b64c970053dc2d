// In-memory controls that follow the same rules as the real ones and keep a
// log of every change, so that tests can check what happened and in which order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/address_box.h"
#include "platform/controls.h"

namespace ruvelka {

class FakeControls : public Controls {
public:
    Text Caption(ControlId id) override { return captions[id]; }
    void SetCaption(ControlId id, const Text& caption) override {
        captions[id] = caption;
        log.push_back("caption " + Name(id) + " " + caption);
    }
    Text EditText(ControlId id) override { return texts[id]; }
    void SetEditText(ControlId id, const Text& text) override {
        texts[id] = text;
        log.push_back("text " + Name(id) + " " + text);
    }
    void SetDisabled(ControlId id, bool isDisabled) override {
        disabled[id] = isDisabled;
        log.push_back((isDisabled ? "disable " : "enable ") + Name(id));
    }
    Text Address(ControlId id) override { return AddressTextFromFields(fields[id]); }
    void SetAddress(ControlId id, const Text& address) override {
        fields[id] = AddressFieldsFromText(address);
        log.push_back("address " + Name(id) + " " + address);
    }

    bool IsDisabled(ControlId id) const {
        auto it = disabled.find(id);
        return it != disabled.end() && it->second;
    }

    // The log entries that start with prefix, in order.
    std::vector<std::string> LogOf(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const std::string& line : log)
            if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line);
        return out;
    }

    static std::string Name(ControlId id);

    std::map<ControlId, Text> captions;
    std::map<ControlId, Text> texts;
    std::map<ControlId, bool> disabled;
    std::map<ControlId, AddressFields> fields;
    std::vector<std::string> log;
};

inline std::string FakeControls::Name(ControlId id) {
    switch (id) {
        case ControlId::主窗口: return "window";
        case ControlId::按钮1: return "button1";
        case ControlId::标签2: return "label2";
        case ControlId::标签4: return "label4";
        case ControlId::标签5: return "label5";
        case ControlId::IP编辑框1: return "ip1";
        case ControlId::IP编辑框2: return "ip2";
        case ControlId::IP编辑框3: return "ip3";
        case ControlId::IP编辑框4: return "ip4";
        case ControlId::IP修改获取信息: return "view";
        case ControlId::IP修改确定: return "change";
        case ControlId::网关: return "router";
        case ControlId::按钮2: return "button2";
        case ControlId::按钮3: return "button3";
        case ControlId::按钮4: return "button4";
    }
    return "?";
}

}  // namespace ruvelka
