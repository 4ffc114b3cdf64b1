#include "http_client_wininet.h"

#include <wininet.h>

#include <utility>

namespace {

constexpr wchar_t kAgentName[] = L"VelmoraRadio";
constexpr DWORD kConnectRetries = 5;
constexpr DWORD kBlockSize = 512;

class InternetHandle {
public:
    explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    ~InternetHandle() {
        if (handle_) InternetCloseHandle(handle_);
    }

    HINTERNET Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HINTERNET handle_;  // owned
};

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

void SetOption(HINTERNET session, DWORD option, DWORD value) {
    InternetSetOptionW(session, option, &value, sizeof(value));
}

}  // namespace

HttpTransfer WinInetHttpClient::Get(const std::wstring& url,
                                    const std::function<bool(std::string_view)>& onBlock) {
    HttpTransfer transfer;
    InternetHandle session(
        InternetOpenW(kAgentName, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) {
        transfer.error = LastErrorText();
        return transfer;
    }
    SetOption(session.Get(), INTERNET_OPTION_CONNECT_TIMEOUT, timeoutMs_);
    SetOption(session.Get(), INTERNET_OPTION_RECEIVE_TIMEOUT, timeoutMs_);
    SetOption(session.Get(), INTERNET_OPTION_CONNECT_RETRIES, kConnectRetries);

    InternetHandle request(InternetOpenUrlW(session.Get(), url.c_str(), nullptr, 0,
                                            INTERNET_FLAG_RELOAD | INTERNET_FLAG_TRANSFER_BINARY,
                                            0));
    if (!request) {
        transfer.error = LastErrorText();
        return transfer;
    }
    transfer.status = NumberHeader(request.Get(), HTTP_QUERY_STATUS_CODE).value_or(0);
    transfer.announcedLength = NumberHeader(request.Get(), HTTP_QUERY_CONTENT_LENGTH);

    char block[kBlockSize];
    for (;;) {
        DWORD read = 0;
        if (!InternetReadFile(request.Get(), block, kBlockSize, &read)) {
            transfer.error = LastErrorText();
            break;
        }
        if (read == 0 || !onBlock(std::string_view(block, read))) break;
    }
    return transfer;
}
