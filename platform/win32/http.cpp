#include <windows.h>
#include <wininet.h>

#include <vector>

#include "platform/win32/internet_handle.h"
#include "platform/win32/win32_system_services.h"

namespace ruvelka {

namespace {

const char kAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
const DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
const DWORD kReadChunk = 64 * 1024;

// The parts of a URL that the request needs.
struct UrlParts {
    std::string host;
    INTERNET_PORT port = 0;
    std::string object;  // path and query
};

bool CrackUrl(const Text& url, UrlParts& parts) {
    URL_COMPONENTSA components = {};
    components.dwStructSize = sizeof components;
    // A length with no buffer asks for a pointer into the URL itself.
    components.dwHostNameLength = 1;
    components.dwUrlPathLength = 1;
    components.dwExtraInfoLength = 1;
    if (!InternetCrackUrlA(url.c_str(), static_cast<DWORD>(url.size()), 0, &components)) return false;
    if (components.lpszHostName == nullptr || components.dwHostNameLength == 0) return false;
    parts.host.assign(components.lpszHostName, components.dwHostNameLength);
    parts.port = components.nPort;
    if (components.lpszUrlPath != nullptr) parts.object.assign(components.lpszUrlPath, components.dwUrlPathLength);
    if (components.lpszExtraInfo != nullptr)
        parts.object.append(components.lpszExtraInfo, components.dwExtraInfoLength);
    if (parts.object.empty()) parts.object = "/";
    return true;
}

}  // namespace

std::string Win32SystemServices::HttpGet(const Text& url) {
    std::string body;
    if (internetSession_ == nullptr)
        internetSession_ = InternetOpenA(kAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (internetSession_ == nullptr) return body;

    UrlParts parts;
    if (!CrackUrl(url, parts)) return body;

    InternetHandle connection(InternetConnectA(static_cast<HINTERNET>(internetSession_), parts.host.c_str(), parts.port,
                                               nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (connection.get() == nullptr) return body;

    const char* acceptTypes[] = {"*/*", nullptr};
    InternetHandle request(HttpOpenRequestA(connection.get(), "GET", parts.object.c_str(), "HTTP/1.0", nullptr,
                                            acceptTypes, kRequestFlags, 0));
    if (request.get() == nullptr) return body;
    if (!HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0)) return body;

    // Whatever came before a failure is kept. The string grows geometrically,
    // so a large page costs a few reallocations, not one per chunk.
    std::vector<char> chunk(kReadChunk);
    for (;;) {
        DWORD got = 0;
        if (!InternetReadFile(request.get(), chunk.data(), kReadChunk, &got) || got == 0) break;
        body.append(chunk.data(), got);
    }
    return body;
}

void Win32SystemServices::CloseInternetSession() {
    if (internetSession_ != nullptr) InternetCloseHandle(static_cast<HINTERNET>(internetSession_));
    internetSession_ = nullptr;
}

Win32SystemServices::~Win32SystemServices() { CloseInternetSession(); }

}  // namespace ruvelka
