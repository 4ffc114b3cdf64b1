#include "directory/web_url_wininet.h"

std::optional<WebUrlParts> SplitWebUrl(const std::wstring& url) {
    URL_COMPONENTSW components{};
    components.dwStructSize = sizeof(components);
    components.dwHostNameLength = 1;  // non-zero: point into `url`
    components.dwUrlPathLength = 1;
    components.dwExtraInfoLength = 1;
    if (!InternetCrackUrlW(url.c_str(), static_cast<DWORD>(url.size()), 0, &components))
        return std::nullopt;
    if (components.nScheme != INTERNET_SCHEME_HTTP && components.nScheme != INTERNET_SCHEME_HTTPS) {
        SetLastError(ERROR_INTERNET_UNRECOGNIZED_SCHEME);
        return std::nullopt;
    }
    WebUrlParts parts;
    parts.host.assign(components.lpszHostName, components.dwHostNameLength);
    parts.port = components.nPort;
    parts.object.assign(components.lpszUrlPath, components.dwUrlPathLength);
    if (components.lpszExtraInfo)
        parts.object.append(components.lpszExtraInfo, components.dwExtraInfoLength);
    if (parts.object.empty()) parts.object = L"/";
    parts.secure = components.nScheme == INTERNET_SCHEME_HTTPS;
    return parts;
}
