// The control properties over the real controls of the main window.
#pragma once

#include <windows.h>

#include "platform/controls.h"

namespace ruvelka {

class Win32Controls : public Controls {
public:
    void Attach(HWND mainWindow) { mainWindow_ = mainWindow; }

    Text Caption(ControlId id) override;
    void SetCaption(ControlId id, const Text& caption) override;
    Text EditText(ControlId id) override;
    void SetEditText(ControlId id, const Text& text) override;
    void SetDisabled(ControlId id, bool disabled) override;
    Text Address(ControlId id) override;
    void SetAddress(ControlId id, const Text& address) override;

private:
    HWND Window(ControlId id) const;

    HWND mainWindow_ = nullptr;
};

// The text of any window, as the ANSI functions give it.
Text WindowText(HWND window);

}  // namespace ruvelka
