#pragma once
// The station's stream as the radio engine receives it, for the recorder's
// exact copy: every audio frame as sent (the ICY metadata taken out), the
// title changes between them, and where the stream ends. The engine feeds it
// from its network threads, one feed per run of a station; the recorder
// attaches its sink on the user-interface thread. One lock keeps them apart:
// the sink is called with it held, and hears nothing once Detach returns.

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

class StreamCopySink {
public:
    // The stream goes on: the title in force when the sink was attached or
    // at a change, then the frames that belong to it.
    virtual void OnTitle(const std::wstring& title) = 0;
    virtual void OnFrame(std::string_view frame) = 0;
    // The station stopped or changed, or its stream dropped; frames that
    // come later (a reconnect, the next station) are another stretch.
    virtual void OnStreamEnded() = 0;

protected:
    ~StreamCopySink() = default;
};

class StreamTap {
public:
    using FeedId = std::uint64_t;

    // The engine's side. Calls for a feed that has ended are ignored, so a
    // session that is still winding down cannot write into the next one.
    FeedId BeginFeed();
    void Title(FeedId feed, const std::wstring& title);
    void Frame(FeedId feed, std::string_view frame);
    void Break(FeedId feed);  // the connection dropped; a reconnect may follow
    void EndFeed(FeedId feed);
    // The feed's stream is of a kind the copy does not take (AAC): it sends
    // no frames, and the recorder offers no copy until the next feed.
    void CannotCopy(FeedId feed);

    // The recorder's side. Live while the engine plays a station it has
    // sent frames of: the copy is there to take.
    bool IsLive() const;
    // False while the station sends what the copy does not take.
    bool IsCopyable() const;
    void Attach(StreamCopySink& sink);
    void Detach();

private:
    bool IsCurrent(FeedId feed) const { return feed == current_ && feed != 0; }
    // Ends the current feed's stretch for the sink and forgets its state;
    // called with the lock held.
    void CloseCurrent();

    mutable std::mutex lock_;
    FeedId lastFeed_ = 0;
    FeedId current_ = 0;  // 0: no feed
    bool live_ = false;
    bool broken_ = false;  // the sink heard the end; the next frame starts anew
    bool copyable_ = true;
    std::optional<std::wstring> title_;
    StreamCopySink* sink_ = nullptr;  // not owned: the recorder detaches it before it goes
};
