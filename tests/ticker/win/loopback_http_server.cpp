#include "tests/ticker/win/loopback_http_server.h"

#include <ws2tcpip.h>

LoopbackHttpServer::LoopbackHttpServer() {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return;
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;  // any free port
    int length = sizeof(address);
    if (listener_ == INVALID_SOCKET ||
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(listener_, 8) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = ScopedHandle(CreateThread(nullptr, 0, Run, this, 0, nullptr));
}

LoopbackHttpServer::~LoopbackHttpServer() {
    stopping_ = true;
    if (listener_ != INVALID_SOCKET) closesocket(listener_);
    if (thread_) WaitForSingleObject(thread_.Get(), 10000);
    WSACleanup();
}

std::string LoopbackHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void LoopbackHttpServer::Serve(const std::string& path, std::string rawResponse) {
    std::lock_guard guard(lock_);
    responses_[path] = std::move(rawResponse);
}

void LoopbackHttpServer::ServeTrickling(const std::string& path, std::string head) {
    std::lock_guard guard(lock_);
    responses_[path] = std::move(head);
    trickling_.insert(path);
}

std::string LoopbackHttpServer::Ok(const std::string& body) {
    return "HTTP/1.0 200 OK\r\nContent-Type: text/xml\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\n\r\n" + body;
}

void LoopbackHttpServer::Answer(SOCKET client) {
    // Bounded: a request line and headers of a few kilobytes at most.
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        const int received = recv(client, buffer, sizeof(buffer), 0);
        if (received <= 0) return;
        request.append(buffer, received);
    }
    ++requests_;
    const std::size_t pathStart = request.find(' ') + 1;
    const std::string path = request.substr(pathStart, request.find(' ', pathStart) - pathStart);
    std::string response;
    bool trickle = false;
    {
        std::lock_guard guard(lock_);
        const auto found = responses_.find(path);
        response = found != responses_.end()
                       ? found->second
                       : "HTTP/1.0 404 Not Found\r\nContent-Length: 9\r\n\r\nNot found";
        trickle = trickling_.contains(path);
    }
    send(client, response.data(), static_cast<int>(response.size()), 0);
    while (trickle && !stopping_) {
        Sleep(100);
        if (send(client, "x", 1, 0) != 1) break;
    }
    shutdown(client, SD_SEND);
}

DWORD WINAPI LoopbackHttpServer::Run(void* self) {
    auto& server = *static_cast<LoopbackHttpServer*>(self);
    while (!server.stopping_) {
        const SOCKET client = accept(server.listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) {
            Sleep(10);
            continue;
        }
        const DWORD timeoutMs = 5000;
        setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeoutMs),
                   sizeof(timeoutMs));
        server.Answer(client);
        closesocket(client);
    }
    return 0;
}
