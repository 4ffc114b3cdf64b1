#include "ticker/feed_downloader.h"

#include "common/helpers/scoped_handle.h"
#include "common/ports/file_replace.h"
#include "ticker/feed_response.h"
#include "ticker/internet_session.h"

namespace {

constexpr DWORD kChunkSize = 4096;
// A rebuild of the text may have the cache open for a moment (the scroller's
// end of pass, a channel chosen meanwhile); the new feed waits for it.
constexpr int kReplaceAttempts = 20;
constexpr DWORD kReplaceRetryMs = 50;

// Every blocking WinInet call of the request waits at most this long.
void SetTimeouts(HINTERNET handle, DWORD timeoutMs) {
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                         INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        InternetSetOptionA(handle, option, &timeoutMs, sizeof(timeoutMs));
    }
}

bool MoveOver(const std::wstring& from, const std::wstring& to) {
    for (int attempt = 1;; ++attempt) {
        if (ReplaceFileWith(from, to)) return true;
        if (attempt == kReplaceAttempts) return false;
        Sleep(kReplaceRetryMs);
    }
}

// Written in the "Saving" folder beside the cache and put in its place in
// one step, so the ticker never reads a half-written feed.
bool ReplaceFile(const std::wstring& path, const std::string& contents) {
    const std::wstring partial = ReplacementName(path);
    {
        ScopedHandle file(CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        DWORD written = 0;
        if (!WriteFile(file.Get(), contents.data(), static_cast<DWORD>(contents.size()), &written,
                       nullptr) ||
            written != contents.size()) {
            file.Close();
            DeleteFileW(partial.c_str());
            return false;
        }
    }
    if (MoveOver(partial, path)) return true;
    DeleteFileW(partial.c_str());
    return false;
}

}  // namespace

bool FeedDownloader::Fetch(const std::string& url, const FeedLimits& limits) {
    const ULONGLONG started = GetTickCount64();
    if (!Send(url, limits.maxMilliseconds)) return false;
    ReadHeaders();
    ReadBody(limits, started);
    return true;
}

bool FeedDownloader::Send(const std::string& url, DWORD timeoutMs) {
    HINTERNET session = ProcessInternetSession();
    if (!session) return false;

    char host[256] = "";
    char path[2048] = "";
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof(parts);
    parts.lpszHostName = host;
    parts.dwHostNameLength = sizeof(host);
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = sizeof(path);
    INTERNET_PORT port = INTERNET_DEFAULT_HTTP_PORT;
    if (InternetCrackUrlA(url.c_str(), 0, 0, &parts)) port = parts.nPort;

    connection_.Reset(
        InternetConnectA(session, host, port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection_) return false;
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                  INTERNET_FLAG_KEEP_CONNECTION | INTERNET_FLAG_NO_AUTO_REDIRECT |
                  INTERNET_FLAG_TRANSFER_BINARY;
    if (parts.nScheme == INTERNET_SCHEME_HTTPS) flags |= INTERNET_FLAG_SECURE;
    request_.Reset(HttpOpenRequestA(connection_.Get(), "GET", path, "HTTP/1.0", nullptr,
                                    nullptr, flags, 0));
    if (!request_) return false;
    SetTimeouts(request_.Get(), timeoutMs);
    return HttpSendRequestA(request_.Get(), nullptr, 0, nullptr, 0);
}

void FeedDownloader::ReadHeaders() {
    std::string buffer(kChunkSize, '\0');
    for (;;) {
        DWORD size = static_cast<DWORD>(buffer.size());
        if (HttpQueryInfoA(request_.Get(), HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &size,
                           nullptr)) {
            headers_.assign(buffer.data(), size);
            return;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size <= buffer.size()) return;
        buffer.resize(size);
    }
}

void FeedDownloader::ReadBody(const FeedLimits& limits, ULONGLONG started) {
    char chunk[kChunkSize];
    for (;;) {
        // A trickle never lets a read time out, so the whole download has a
        // deadline too; each wait lasts no longer than what is left of it.
        const ULONGLONG elapsed = GetTickCount64() - started;
        if (elapsed >= limits.maxMilliseconds) return;
        SetTimeouts(request_.Get(), static_cast<DWORD>(limits.maxMilliseconds - elapsed));
        // A read waits until it has filled its buffer, which a trickle takes
        // ages to do; only what has arrived is read. None left is the end.
        DWORD available = 0;
        if (!InternetQueryDataAvailable(request_.Get(), &available, 0, 0)) return;
        if (available == 0) {
            readToEnd_ = true;
            return;
        }
        DWORD read = 0;
        const DWORD wanted = available < sizeof(chunk) ? available : DWORD{sizeof(chunk)};
        if (!InternetReadFile(request_.Get(), chunk, wanted, &read) || read == 0) return;
        if (read > limits.maxBytes - body_.size()) return;
        body_.append(chunk, read);
    }
}

bool DownloadFeedToCache(const std::string& url, const std::wstring& cachePath,
                         const FeedLimits& limits) {
    FeedDownloader downloader;
    if (!downloader.Fetch(url, limits)) return false;
    if (!IsCompleteFeed(downloader.Headers(), downloader.ReadToEnd(), downloader.Body().size())) {
        return false;
    }
    return ReplaceFile(cachePath, downloader.Body());
}
