#include "platform/win32/win32_system_services.h"

namespace ruvelka {

std::string Win32SystemServices::HttpGet(const Text&) { return std::string(); }

void Win32SystemServices::CloseInternetSession() { internetSession_ = nullptr; }

Win32SystemServices::~Win32SystemServices() { CloseInternetSession(); }

}  // namespace ruvelka
