#include "platform/win32/win32_controls.h"

#include <commctrl.h>

#include <vector>

#include "app/window_layout.h"
#include "platform/address_box.h"

namespace ruvelka {

Text WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    if (length <= 0) return Text();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    int got = GetWindowTextA(window, buffer.data(), length + 1);
    return Text(buffer.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
}

HWND Win32Controls::Window(ControlId id) const {
    if (id == ControlId::主窗口) return mainWindow_;
    const ControlSpec* spec = SpecForControl(id);
    return spec ? GetDlgItem(mainWindow_, spec->dialogId) : nullptr;
}

Text Win32Controls::Caption(ControlId id) { return WindowText(Window(id)); }

void Win32Controls::SetCaption(ControlId id, const Text& caption) {
    HWND window = Window(id);
    SetWindowTextA(window, caption.c_str());
    // The command may now block for a while: show the new caption at once.
    if (id != ControlId::主窗口) {
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
    }
}

Text Win32Controls::EditText(ControlId id) { return WindowText(Window(id)); }

void Win32Controls::SetEditText(ControlId id, const Text& text) { SetWindowTextA(Window(id), text.c_str()); }

void Win32Controls::SetDisabled(ControlId id, bool disabled) { EnableWindow(Window(id), disabled ? FALSE : TRUE); }

Text Win32Controls::Address(ControlId id) {
    HWND box = Window(id);
    if (SendMessageA(box, IPM_ISBLANK, 0, 0)) return Text();
    DWORD address = 0;
    SendMessageA(box, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
    AddressFields fields;
    for (int f = 0; f < 4; ++f) {
        fields.value[f] = static_cast<int>((address >> (8 * (3 - f))) & 0xFF);
        fields.blank[f] = false;
    }
    return AddressTextFromFields(fields);
}

void Win32Controls::SetAddress(ControlId id, const Text& address) {
    HWND box = Window(id);
    AddressFields fields = AddressFieldsFromText(address);
    if (fields.AllBlank()) {
        SendMessageA(box, IPM_CLEARADDRESS, 0, 0);
        return;
    }
    SendMessageA(box, IPM_SETADDRESS, 0,
                 MAKEIPADDRESS(fields.value[0], fields.value[1], fields.value[2], fields.value[3]));
}

}  // namespace ruvelka
