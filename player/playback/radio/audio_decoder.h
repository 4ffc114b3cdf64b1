#pragma once
// A radio stream's compressed audio to 16-bit PCM. The decoder finds the
// frames in the bytes itself and hands the samples on with their format,
// which may change mid-stream (a station that switches its rate, an HE-AAC
// stream whose full rate shows only once it decodes).

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
    // Takes the next audio bytes of the stream and decodes every whole frame
    // among them. False when the decoder fails or `sink` refuses.
    virtual bool Decode(std::string_view audio, const PcmSink& sink) = 0;
};
