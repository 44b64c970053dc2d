#include <winsock.h>

#include "platform/win32/win32_system_services.h"

namespace ruvelka {

Text Win32SystemServices::GetLocalHostName() { return Text(); }

Text Win32SystemServices::ResolveHostName(const Text&) { return Text(); }

}  // namespace ruvelka
