#include "platform/win32/win32_system_services.h"

namespace ruvelka {

AutomationObject Win32SystemServices::CreateAutomationObject(const Text&) { return nullptr; }
void Win32SystemServices::SetObjectProperty(AutomationObject, const Text&, std::int32_t) {}
void Win32SystemServices::CallObjectMethod(AutomationObject, const Text&, const Text&) {}
void Win32SystemServices::ReleaseObject(AutomationObject) {}

}  // namespace ruvelka
