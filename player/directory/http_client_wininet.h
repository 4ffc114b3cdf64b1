#pragma once

#include "common/helpers/internet_handle.h"
#include "directory/http_client.h"

#include <windows.h>

#include <memory>

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
    // The answer's head alone: whether an https server passes the
    // certificate checks, without having it send the page.
    HttpTransfer Head(const std::wstring& url);

private:
    // One request, its answer's head read.
    struct Exchange {
        InternetHandle session;
        InternetHandle connection;
        InternetHandle request;
    };

    // Sends the request and reads the head into `transfer`; nothing when it
    // failed, `transfer` then saying why.
    std::unique_ptr<Exchange> Send(const wchar_t* verb, const std::wstring& url,
                                   HttpTransfer& transfer);

    DWORD timeoutMs_;
};
