#pragma once
// AAC frames in ADTS form, as AAC radio sends them: each frame opens with a
// header that names its sample rate and channels, so a listener can join
// anywhere. HE-AAC streams are sent the same way, their headers naming the
// core (half) rate; the decoder finds the rest.

#include "playback/radio/frame_splitter.h"

#include <cstddef>
#include <optional>
#include <string_view>

struct AdtsFormat {
    unsigned sampleRate = 0;
    unsigned channels = 0;
    friend bool operator==(const AdtsFormat&, const AdtsFormat&) = default;
};

struct AdtsFrameHeader {
    AdtsFormat format;
    std::size_t length = 0;  // the whole frame, header included
};

inline constexpr std::size_t kAdtsHeaderBytes = 7;

// The header at the start of `bytes`, if it is one of an AAC-LC frame (the
// profile HE-AAC builds on) in mono or stereo, which is what the decoder and
// the sound output take.
std::optional<AdtsFrameHeader> ReadAdtsFrameHeader(std::string_view bytes);

extern const FrameSyntax kAdtsFrames;
