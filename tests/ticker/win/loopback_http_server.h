#pragma once
// A small HTTP server on 127.0.0.1 for the ticker's download tests: each
// path answers with fixed raw bytes (status line, headers and body as given,
// so error statuses and transfers cut short can be served). It runs on a
// thread of its own until it is destroyed.

#include <winsock2.h>

#include "common/helpers/scoped_handle.h"

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <string>

class LoopbackHttpServer {
public:
    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // 0 when the server could not start.
    int Port() const { return port_; }
    std::string Url(const std::string& path) const;

    // The exact bytes sent for a GET of `path`; the connection is closed
    // after them. Unknown paths get a 404 page.
    void Serve(const std::string& path, std::string rawResponse);
    // Sends `head` and then one byte every 100 ms until the client leaves or
    // the server ends: a server that never finishes its answer.
    void ServeTrickling(const std::string& path, std::string head);
    // A complete 200 answer with the body's length.
    static std::string Ok(const std::string& body);
    int Requests() const { return requests_; }

private:
    static DWORD WINAPI Run(void* self);
    void Answer(SOCKET client);

    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> requests_{0};
    std::mutex lock_;
    std::map<std::string, std::string> responses_;
    std::set<std::string> trickling_;
    ScopedHandle thread_;
};
