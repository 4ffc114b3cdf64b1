#pragma once
// Made-up MP3 and ADTS frames for the tests: real headers, filler audio.

#include "playback/radio/adts_frame.h"
#include "playback/radio/mp3_frame.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// MPEG 2 Layer III, 32 kbit/s, 22050 Hz, mono: 104-byte frames.
inline std::string Mp3Frames(int count) {
    std::string frame = "\xFF\xF3\x40\xC4";
    frame.resize(104, '\x11');
    std::string frames;
    for (int i = 0; i < count; ++i) frames += frame;
    return frames;
}

// AAC-LC frames of `length` bytes without CRC; rate index 4 is 44100 Hz.
inline std::string AdtsFrames(int count, unsigned length = 120, unsigned rateIndex = 4,
                              unsigned channels = 2, unsigned profile = 1) {
    std::string frame{'\xFF',
                      '\xF1',
                      static_cast<char>(profile << 6 | rateIndex << 2 | channels >> 2),
                      static_cast<char>((channels & 3) << 6 | (length >> 11)),
                      static_cast<char>(length >> 3),
                      static_cast<char>((length & 7) << 5 | 0x1F),
                      '\xFC'};
    frame.resize(length, '\x22');
    std::string frames;
    for (int i = 0; i < count; ++i) frames += frame;
    return frames;
}

// The length of the frame that `frame` starts with, as its header gives it.
inline std::optional<std::size_t> Mp3FrameLength(std::string_view frame) {
    const auto header = ReadMp3FrameHeader(frame);
    return header ? std::optional(header->length) : std::nullopt;
}

inline std::optional<std::size_t> AdtsFrameLength(std::string_view frame) {
    const auto header = ReadAdtsFrameHeader(frame);
    return header ? std::optional(header->length) : std::nullopt;
}
