#pragma once
// One GET of a radio stream through WinInet, asking for ICY metadata.

#include "common/helpers/internet_handle.h"
#include "playback/radio/stream_answer.h"

#include <windows.h>

#include <memory>
#include <string>

// A server that sends nothing for this long is taken as gone, and the stream
// is reconnected.
inline constexpr DWORD kStreamTimeoutMs = 5000;

class StreamConnection {
public:
    // Connects and reads the answer's head; nothing when the server could not
    // be reached or answered with something that is not a head. `error` is
    // then WinInet's error code (0 for an answer without a head).
    static std::unique_ptr<StreamConnection> Open(const std::wstring& url, DWORD& error,
                                                  DWORD timeoutMs = kStreamTimeoutMs);

    const StreamAnswer& Answer() const { return answer_; }
    // The next bytes of the body as they arrive: at least one, at most
    // `limit`. False at the end of the body, on a time-out or an error.
    bool Read(std::string& bytes, std::size_t limit = 4096);

private:
    StreamConnection() = default;
    bool ReadHead();
    bool ReadFromNetwork(std::string& bytes, std::size_t limit);

    InternetHandle session_;
    InternetHandle connection_;
    InternetHandle request_;
    StreamAnswer answer_;
    std::string unread_;  // body bytes read with the head
};
