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

// What a stream's frames are: the copy names its files after it, and tags
// only what has a tag format of its own (MP3's ID3v2).
enum class StreamAudio : std::uint8_t { Mp3, Aac };

class StreamCopySink {
public:
    // A stretch of the stream begins, or the sink joins one: what its frames
    // are. Comes before its title and frames.
    virtual void OnAudio(StreamAudio audio) = 0;
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
    // Each connection says what its frames are before it sends any.
    void Audio(FeedId feed, StreamAudio audio);
    void Title(FeedId feed, const std::wstring& title);
    void Frame(FeedId feed, std::string_view frame);
    void Break(FeedId feed);  // the connection dropped; a reconnect may follow
    void EndFeed(FeedId feed);

    // The recorder's side. Live while the engine plays a station it has
    // sent frames of: the copy is there to take.
    bool IsLive() const;
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
    std::optional<StreamAudio> audio_;
    std::optional<std::wstring> title_;
    StreamCopySink* sink_ = nullptr;  // not owned: the recorder detaches it before it goes
};
