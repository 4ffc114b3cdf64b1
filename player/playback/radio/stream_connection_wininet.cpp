#include "playback/radio/stream_connection_wininet.h"

#include "directory/web_request_wininet.h"

#include <wininet.h>

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

constexpr wchar_t kAgentName[] = L"VelmoraRadio";
constexpr wchar_t kAskForMetadata[] = L"Icy-MetaData: 1\r\n";
// An answer head longer than this is no radio server's.
constexpr std::size_t kMaxHeadBytes = 8192;

void SetTimeouts(HINTERNET handle, DWORD timeoutMs) {
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
                         INTERNET_OPTION_SEND_TIMEOUT}) {
        InternetSetOptionW(handle, option, &timeoutMs, sizeof(timeoutMs));
    }
}

// The head as WinInet read it, status line included, in ASCII.
std::string RawHead(HINTERNET request) {
    DWORD size = 0;
    HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, nullptr, &size, nullptr);
    if (size == 0 || size > kMaxHeadBytes) return {};
    std::string head(size, '\0');
    if (!HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, head.data(), &size, nullptr))
        return {};
    head.resize(size);
    return head;
}

// True when the bytes begin as a head does: a status line of a radio server,
// or a header's name and its colon.
bool StartsLikeHead(std::string_view bytes) {
    if (bytes.starts_with("ICY ")) return true;
    const std::size_t colon = bytes.find(':');
    if (colon == 0 || colon == std::string_view::npos) return false;
    return std::all_of(bytes.begin(), bytes.begin() + colon, [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-';
    });
}

}  // namespace

std::unique_ptr<StreamConnection> StreamConnection::Open(const std::wstring& url, DWORD& error,
                                                        DWORD timeoutMs) {
    // Taken before the handles close, which may set the last error again.
    const auto fail = [&error] {
        error = GetLastError();
        return nullptr;
    };
    error = 0;
    const auto parts = SplitWebUrl(url);
    if (!parts) return fail();
    std::unique_ptr<StreamConnection> stream(new StreamConnection());
    stream->session_.Reset(
        InternetOpenW(kAgentName, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!stream->session_) return fail();
    SetTimeouts(stream->session_.Get(), timeoutMs);
    // In steps rather than InternetOpenUrl: Wine takes a request's time-outs
    // from its connection handle only.
    stream->connection_.Reset(InternetConnectW(stream->session_.Get(), parts->host.c_str(),
                                               parts->port, nullptr, nullptr, INTERNET_SERVICE_HTTP,
                                               0, 0));
    if (!stream->connection_) return fail();
    SetTimeouts(stream->connection_.Get(), timeoutMs);
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                  INTERNET_FLAG_TRANSFER_BINARY | INTERNET_FLAG_NO_COOKIES;
    if (parts->secure) flags |= INTERNET_FLAG_SECURE;
    stream->request_.Reset(HttpOpenRequestW(stream->connection_.Get(), L"GET",
                                            parts->object.c_str(), nullptr, nullptr, nullptr, flags,
                                            0));
    if (!stream->request_ || !SendWebRequest(stream->request_.Get(), *parts, kAskForMetadata))
        return fail();
    if (!stream->ReadHead()) return nullptr;
    return stream;
}

// Radio servers of the old kind answer "ICY 200 OK" instead of an HTTP status
// line. Windows' WinInet reads their head like any other; Wine's takes such an
// answer for one without a head (status 200, no headers) and hands the head
// over as the start of the body. So when WinInet found no headers, the head
// is looked for at the start of the body, which covers both.
bool StreamConnection::ReadHead() {
    if (auto answer = ReadStreamAnswerHead(RawHead(request_.Get()))) {
        const bool headersSeen = !answer->contentType.empty() || answer->metaInterval != 0;
        if (headersSeen) {
            answer_ = *answer;
            return true;
        }
    }
    std::string bytes;
    while (unread_.size() < kMaxHeadBytes) {
        if (!ReadFromNetwork(bytes, kMaxHeadBytes - unread_.size())) return false;
        unread_ += bytes;
        const auto end = StreamAnswerHeadEnd(unread_);
        if (end) {
            std::string head = unread_.substr(0, *end);
            // The status line may have been taken by WinInet already.
            if (!ReadStreamAnswerHead(head)) head.insert(0, "ICY 200 OK\r\n");
            const auto answer = ReadStreamAnswerHead(head);
            if (!answer) break;
            answer_ = *answer;
            unread_.erase(0, *end);
            return true;
        }
        // Audio from the first byte: the head WinInet read was all there is.
        if (!StartsLikeHead(unread_)) break;
    }
    answer_ = ReadStreamAnswerHead(RawHead(request_.Get())).value_or(StreamAnswer{});
    if (answer_.status == 0) answer_.status = 200;  // WinInet had the request answered
    return true;
}

bool StreamConnection::Read(std::string& bytes, std::size_t limit) {
    if (!unread_.empty()) {
        bytes = unread_.substr(0, limit);
        unread_.erase(0, bytes.size());
        return true;
    }
    return ReadFromNetwork(bytes, limit);
}

bool StreamConnection::ReadFromNetwork(std::string& bytes, std::size_t limit) {
    // Reading what has arrived keeps a slow stream from holding a read until
    // a whole buffer is full. When nothing has, one byte is waited for, so
    // the wait is the read's, which the receive time-out bounds.
    DWORD available = 0;
    if (!InternetQueryDataAvailable(request_.Get(), &available, 0, 0)) return false;
    bytes.resize(std::clamp<std::size_t>(available, 1, limit));
    DWORD read = 0;
    if (!InternetReadFile(request_.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read) ||
        read == 0) {
        return false;
    }
    bytes.resize(read);
    return true;
}
