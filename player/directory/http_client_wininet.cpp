#include "directory/http_client_wininet.h"

#include "common/helpers/internet_handle.h"
#include "directory/secure_connection_problem_wininet.h"
#include "directory/web_request_wininet.h"

#include <wininet.h>

#include <utility>

namespace {

constexpr wchar_t kAgentName[] = L"VelmoraRadio";
constexpr DWORD kConnectRetries = 5;
constexpr DWORD kBlockSize = 512;

// The system's text for a WinInet or Windows error code.
std::wstring ErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_FROM_SYSTEM |
            FORMAT_MESSAGE_IGNORE_INSERTS,
        GetModuleHandleW(L"wininet.dll"), code, 0, reinterpret_cast<wchar_t*>(&buffer), 0,
        nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : std::wstring();
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (text.empty()) text = L"Download error " + std::to_wstring(code);
    return text;
}

std::wstring LastErrorText() {
    return ErrorText(GetLastError());
}

std::optional<DWORD> NumberHeader(HINTERNET request, DWORD query) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (!HttpQueryInfoW(request, query | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr))
        return std::nullopt;
    return value;
}

void SetOption(HINTERNET handle, DWORD option, DWORD value) {
    InternetSetOptionW(handle, option, &value, sizeof(value));
}

void SetTimeouts(HINTERNET handle, DWORD timeoutMs) {
    SetOption(handle, INTERNET_OPTION_CONNECT_TIMEOUT, timeoutMs);
    SetOption(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, timeoutMs);
}

}  // namespace

HttpTransfer WinInetHttpClient::Get(const std::wstring& url,
                                    const std::function<bool(std::string_view)>& onBlock) {
    HttpTransfer transfer;
    const auto exchange = Send(L"GET", url, transfer);
    if (!exchange) return transfer;
    char block[kBlockSize];
    for (;;) {
        DWORD read = 0;
        if (!InternetReadFile(exchange->request.Get(), block, kBlockSize, &read)) {
            transfer.error = LastErrorText();
            break;
        }
        if (read == 0 || !onBlock(std::string_view(block, read))) break;
    }
    return transfer;
}

HttpTransfer WinInetHttpClient::Head(const std::wstring& url) {
    HttpTransfer transfer;
    Send(L"HEAD", url, transfer);
    return transfer;
}

std::unique_ptr<WinInetHttpClient::Exchange> WinInetHttpClient::Send(const wchar_t* verb,
                                                                     const std::wstring& url,
                                                                     HttpTransfer& transfer) {
    const auto fail = [&transfer] {
        transfer.refused = SecureConnectionProblemOf(GetLastError());
        transfer.error = LastErrorText();
        return nullptr;
    };
    auto parts = SplitWebUrl(url);
    if (!parts) return fail();
    auto exchange = std::make_unique<Exchange>();
    exchange->session.Reset(
        InternetOpenW(kAgentName, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!exchange->session) return fail();
    SetTimeouts(exchange->session.Get(), timeoutMs_);
    SetOption(exchange->session.Get(), INTERNET_OPTION_CONNECT_RETRIES, kConnectRetries);

    // Made in steps rather than with InternetOpenUrl: Wine takes the time-outs
    // of a request from its connection handle only, and InternetOpenUrl keeps
    // that handle to itself.
    exchange->connection.Reset(InternetConnectW(exchange->session.Get(), parts->host.c_str(),
                                                parts->port, nullptr, nullptr,
                                                INTERNET_SERVICE_HTTP, 0, 0));
    if (!exchange->connection) return fail();
    SetTimeouts(exchange->connection.Get(), timeoutMs_);
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_TRANSFER_BINARY;
    if (parts->secure) flags |= INTERNET_FLAG_SECURE;
    exchange->request.Reset(HttpOpenRequestW(exchange->connection.Get(), verb,
                                             parts->object.c_str(), nullptr, nullptr, nullptr,
                                             flags, 0));
    if (!exchange->request || !SendWebRequest(exchange->request.Get(), *parts)) return fail();
    transfer.status = NumberHeader(exchange->request.Get(), HTTP_QUERY_STATUS_CODE).value_or(0);
    transfer.announcedLength = NumberHeader(exchange->request.Get(), HTTP_QUERY_CONTENT_LENGTH);
    return exchange;
}
