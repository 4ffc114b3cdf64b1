#pragma once
// HTTP GET as the downloads need it. The product uses WinInet
// (http_client_wininet.h); unit tests answer from a table.

#include "directory/secure_connection_problem.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

struct HttpTransfer {
    std::wstring error;  // empty when the body was read to its end
    unsigned status = 0;  // the HTTP status code; 0 when none arrived
    // The length the server announced (Content-Length), to tell a whole body
    // from one cut short by a closed connection.
    std::optional<std::uint64_t> announcedLength;
    // Why an https server was refused, when it was.
    std::optional<SecureConnectionProblem> refused;
};

class HttpClient {
public:
    virtual ~HttpClient() = default;

    // Passes the body to `onBlock` block by block as it arrives; `onBlock`
    // returns false to stop the transfer (the result then carries no error of
    // its own).
    virtual HttpTransfer Get(const std::wstring& url,
                             const std::function<bool(std::string_view)>& onBlock) = 0;
};
