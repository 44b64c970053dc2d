#include "platform/win32/win32_system_services.h"

namespace ruvelka {

void Win32SystemServices::ShowInformation(const Text& message) {
    // No owner, OK button, information icon, modal to the program's thread.
    MessageBoxA(nullptr, message.c_str(), "信息：", MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

}  // namespace ruvelka
