#include "netcheck/public_ip_page.h"

namespace ruvelka {

const char kPublicIpPageUrl[] = RUVELKA_PUBLIC_IP_URL;

}  // namespace ruvelka
