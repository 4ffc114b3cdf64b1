#pragma once
// MP3 frames to 16-bit PCM through the system's audio compression manager,
// whose MPEG Layer-3 decoder comes with every Windows (and with Wine, built on
// mpg123).

#include "playback/radio/audio_decoder.h"
#include "playback/radio/frame_splitter.h"
#include "playback/radio/mp3_frame.h"

#include <windows.h>
// after windows.h, which they build on
#include <mmreg.h>
#include <msacm.h>

#include <string>
#include <vector>

class Mp3Decoder : public AudioDecoder {
public:
    Mp3Decoder() = default;
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;
    ~Mp3Decoder() override { Close(); }

    bool Decode(std::string_view audio, const PcmSink& sink) override;

private:
    // Opens the decoder for frames of this format and length.
    bool Open(const Mp3FrameHeader& first);
    void Close();
    bool DecodeFrame(std::string_view frame, const PcmSink& sink);

    FrameSplitter splitter_{kMp3Frames};
    HACMSTREAM stream_ = nullptr;  // owned
    Mp3Format format_;
    std::string input_;  // what the decoder has not taken yet
    std::vector<BYTE> output_;
};
