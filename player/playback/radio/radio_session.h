#pragma once
// One run of the radio engine for one address, on a thread of its own: it
// connects, reads playlists, decodes and plays, follows the title and
// reconnects when the stream drops, until it is told to stop or gives up.
// What happens is queued as events and announced to a window by a posted
// message; the window takes them on its own thread.

#include "common/helpers/scoped_handle.h"
#include "directory/secure_connection_problem.h"
#include "host/stream_tap.h"
#include "playback/radio/reconnect_schedule.h"
#include "playback/radio/stream_answer.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct RadioEvent {
    // Refused: the state is the SecureConnectionProblem; the session has ended.
    enum class Kind { OpenState, PlayState, Title, Reconnecting, HandOver, Refused };
    RadioEvent(Kind kind, int state = 0, std::wstring text = {})
        : kind(kind), state(state), text(std::move(text)) {}
    Kind kind;
    int state = 0;
    std::wstring text;  // the title, or the address to hand over
};

class StreamConnection;

class RadioSession : public std::enable_shared_from_this<RadioSession> {
public:
    // The frames and titles go to `tap` as `feed` too.
    RadioSession(std::wstring url, HWND notify, UINT message,
                 std::shared_ptr<std::atomic<int>> volume, std::shared_ptr<StreamTap> tap,
                 StreamTap::FeedId feed);

    bool Start();
    // Asks the thread to end. Its sound stops at once; the thread ends once
    // the network lets it go, which its time-out bounds. The thread holds
    // the session until then, so the caller may drop it at once.
    void RequestStop();
    std::vector<RadioEvent> TakeEvents();

private:
    enum class Outcome { Stopped, Failed, Refused, Dropped, NotOurs, Playlist };

    static DWORD WINAPI ThreadEntry(void* parameter);
    void Run();
    Outcome TryEntry(const std::wstring& url, std::vector<std::wstring>& listed);
    Outcome Play(StreamConnection& connection, std::string firstBytes, StreamKind kind);
    Outcome PlayFrames(StreamConnection& connection, std::string bytes, StreamKind kind);
    void NoteTitle(const std::wstring& title);
    bool WaitOrStop(std::chrono::milliseconds pause) const;
    bool Stopping() const;
    void Report(RadioEvent event);
    void ReportRefusal();

    const std::wstring url_;
    const HWND notify_;
    const UINT message_;
    const std::shared_ptr<std::atomic<int>> volume_;
    // Shared: a session let go may still be winding down when the player goes.
    const std::shared_ptr<StreamTap> tap_;
    const StreamTap::FeedId feed_;
    ScopedHandle stop_;
    ScopedHandle thread_;
    bool hasPlayed_ = false;      // worker thread only
    std::wstring title_;          // worker thread only
    // Why the last https address refused was refused; worker thread only.
    std::optional<SecureConnectionProblem> refusal_;
    ReconnectSchedule schedule_;  // worker thread only
    std::mutex eventsLock_;
    std::vector<RadioEvent> events_;
};
