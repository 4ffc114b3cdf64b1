#include "directory/web_request_wininet.h"

#include <string>

namespace {

// The address the request was last sent to, after any redirects.
std::wstring RequestUrl(HINTERNET request) {
    DWORD size = 0;
    InternetQueryOptionW(request, INTERNET_OPTION_URL, nullptr, &size);
    if (size == 0) return {};
    std::wstring url(size / sizeof(wchar_t) + 1, L'\0');
    if (!InternetQueryOptionW(request, INTERNET_OPTION_URL, url.data(), &size)) return {};
    url.resize(wcsnlen(url.c_str(), url.size()));
    return url;
}

}  // namespace

bool SendWebRequest(HINTERNET request, const WebUrlParts& asked, const wchar_t* headers) {
    if (!HttpSendRequestW(request, headers, headers ? DWORD(-1) : 0, nullptr, 0)) return false;
    if (!asked.secure) return true;
    const auto reached = SplitWebUrl(RequestUrl(request));
    if (reached && reached->secure) return true;
    SetLastError(ERROR_INTERNET_HTTPS_TO_HTTP_ON_REDIR);
    return false;
}
