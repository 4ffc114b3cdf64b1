#pragma once
// An HTTP client for unit tests: answers from a table of URLs and remembers
// what was asked. A URL not in the table fails like an unreachable server.

#include "directory/http_client.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

class FakeHttpClient : public HttpClient {
public:
    // `cutAfter`: announce the whole body but deliver only this many bytes, as
    // a server that closes the connection early.
    void Answer(const std::wstring& url, unsigned status, std::string body,
                std::optional<std::size_t> cutAfter = std::nullopt) {
        answers_[url] = {status, std::move(body), cutAfter};
    }
    void Forget(const std::wstring& url) { answers_.erase(url); }
    // The server at `url` is refused, as WinInet refuses a certificate.
    void Refuse(const std::wstring& url, SecureConnectionProblem problem) { refused_[url] = problem; }
    const std::vector<std::wstring>& Requests() const { return requests_; }
    void ClearRequests() { requests_.clear(); }

    HttpTransfer Get(const std::wstring& url,
                     const std::function<bool(std::string_view)>& onBlock) override {
        requests_.push_back(url);
        if (const auto refused = refused_.find(url); refused != refused_.end()) {
            HttpTransfer transfer;
            transfer.error = L"The certificate is not valid";
            transfer.refused = refused->second;
            return transfer;
        }
        const auto found = answers_.find(url);
        if (found == answers_.end()) {
            HttpTransfer unreachable;
            unreachable.error = L"The server name or address could not be resolved";
            return unreachable;
        }
        const Canned& answer = found->second;
        HttpTransfer transfer;
        transfer.status = answer.status;
        transfer.announcedLength = answer.body.size();
        std::string_view body(answer.body);
        if (answer.cutAfter) body = body.substr(0, *answer.cutAfter);
        // Small blocks, so that callers meet a body in several pieces.
        while (!body.empty()) {
            if (!onBlock(body.substr(0, 7))) break;
            body.remove_prefix(std::min<std::size_t>(7, body.size()));
        }
        return transfer;
    }

private:
    struct Canned {
        unsigned status;
        std::string body;
        std::optional<std::size_t> cutAfter;
    };

    std::map<std::wstring, Canned> answers_;
    std::map<std::wstring, SecureConnectionProblem> refused_;
    std::vector<std::wstring> requests_;
};
