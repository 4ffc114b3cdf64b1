#pragma once

#include "directory/http_client.h"

#include <windows.h>

// The player waits this long for a connection and for each answer from the
// directory site, which may be slow but should not be given up on early.
inline constexpr DWORD kDownloadTimeoutMs = 80000;

// HTTP GET through WinInet with the system's proxy settings, for http and
// https addresses. Every request goes to the server (no cached copies) and
// reads the body in blocks of 512 bytes.
class WinInetHttpClient : public HttpClient {
public:
    explicit WinInetHttpClient(DWORD timeoutMs = kDownloadTimeoutMs) : timeoutMs_(timeoutMs) {}

    HttpTransfer Get(const std::wstring& url,
                     const std::function<bool(std::string_view)>& onBlock) override;

private:
    DWORD timeoutMs_;
};
