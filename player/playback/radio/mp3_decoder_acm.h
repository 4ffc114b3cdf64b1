#pragma once
// MP3 frames to 16-bit PCM through the system's audio compression manager,
// whose MPEG Layer-3 decoder comes with every Windows (and with Wine, built on
// mpg123).

#include "playback/radio/mp3_frame.h"

#include <windows.h>
// after windows.h, which they build on
#include <mmreg.h>
#include <msacm.h>

#include <cstdint>
#include <string>
#include <vector>

class Mp3Decoder {
public:
    Mp3Decoder() = default;
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;
    ~Mp3Decoder() { Close(); }

    // Opens the decoder for frames of this format and length.
    bool Open(const Mp3FrameHeader& first);
    void Close();
    bool IsOpen() const { return stream_ != nullptr; }
    const Mp3Format& Format() const { return format_; }

    // Decodes whole frames; the samples are appended to `pcm`.
    bool Decode(std::string_view frames, std::vector<std::int16_t>& pcm);

private:
    HACMSTREAM stream_ = nullptr;  // owned
    Mp3Format format_;
    std::string input_;  // what the decoder has not taken yet
    std::vector<BYTE> output_;
};
