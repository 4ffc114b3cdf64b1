#pragma once
// A radio stream's compressed audio to 16-bit PCM, a frame at a time. The
// decoder names the frames it takes, so that the stream can be cut into them,
// and hands the samples on with their format, which may change mid-stream (a
// station that switches its rate, an HE-AAC stream whose full rate shows only
// once it decodes).

#include "playback/radio/frame_splitter.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

struct PcmFormat {
    unsigned sampleRate = 0;
    unsigned channels = 0;
    friend bool operator==(const PcmFormat&, const PcmFormat&) = default;
};

// Takes decoded samples; false stops the decoding (the output failed).
using PcmSink =
    std::function<bool(const PcmFormat& format, const std::int16_t* samples, std::size_t count)>;

class AudioDecoder {
public:
    virtual ~AudioDecoder() = default;
    // The frames Decode takes.
    virtual const FrameSyntax& Frames() const = 0;
    // Decodes the next whole frame of the stream. False when the frame is not
    // one of its kind, the decoder fails or `sink` refuses.
    virtual bool Decode(std::string_view frame, const PcmSink& sink) = 0;
};
