#pragma once
// MPEG audio Layer III frame headers: the decoder needs the format of the
// stream before it can be opened, and the engine notices when it changes.

#include "playback/radio/frame_splitter.h"

#include <cstddef>
#include <optional>
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

extern const FrameSyntax kMp3Frames;
