#pragma once
// MPEG audio Layer III frames as they come off a radio stream. The decoder is
// fed whole frames, so the engine finds them itself: it needs the format of
// the stream before it can open the decoder, skips what is not audio (a cut
// frame after a reconnect, stray bytes), and notices when the format changes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct Mp3Format {
    unsigned sampleRate = 0;
    unsigned channels = 0;
    unsigned bitRate = 0;  // bits per second
    friend bool operator==(const Mp3Format&, const Mp3Format&) = default;
    // Frames that decode to the same kind of samples; the bit rate may change
    // from frame to frame.
    bool DecodesLike(const Mp3Format& other) const {
        return sampleRate == other.sampleRate && channels == other.channels;
    }
};

struct Mp3FrameHeader {
    Mp3Format format;
    std::size_t length = 0;  // the whole frame, header included
    unsigned samplesPerChannel = 0;
};

inline constexpr std::size_t kMp3HeaderBytes = 4;

// The header at the start of `bytes`, if it is one of Layer III (MPEG 1, 2 or
// 2.5, any fixed bit rate).
std::optional<Mp3FrameHeader> ReadMp3FrameHeader(std::string_view bytes);

// True when `bytes` hold MP3 audio: two frames back to back somewhere in them.
bool LooksLikeMp3(std::string_view bytes);

// Collects stream bytes and hands them back frame by frame. A frame counts
// only when the header after it is one too (or the bytes end there), so audio
// that happens to look like a header is not taken for one.
class Mp3FrameSplitter {
public:
    void Add(std::string_view bytes);
    // The next whole frame, or nothing until more bytes come.
    std::optional<std::string_view> NextFrame(Mp3FrameHeader& header);
    // Where the frame NextFrame gave last starts, counted in the bytes added.
    std::uint64_t FrameOffset() const { return frameOffset_; }

private:
    std::string pending_;
    std::size_t start_ = 0;           // where the unread bytes of `pending_` begin
    std::uint64_t pendingOffset_ = 0;  // where `pending_` begins, counted in the bytes added
    std::uint64_t frameOffset_ = 0;
};
