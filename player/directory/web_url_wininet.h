#pragma once
// An http or https address cut into what WinInet's connection and request
// calls take, for the downloads and the radio engine alike.

#include <windows.h>
#include <wininet.h>

#include <optional>
#include <string>

struct WebUrlParts {
    std::wstring host;
    INTERNET_PORT port = 0;
    std::wstring object;  // path and query
    bool secure = false;
};

// Nothing for an address WinInet cannot read, or of another scheme (the last
// error then says which).
std::optional<WebUrlParts> SplitWebUrl(const std::wstring& url);
