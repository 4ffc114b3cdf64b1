#pragma once
// AAC in ADTS frames to 16-bit PCM through Media Foundation's AAC decoder,
// which comes with Windows 7 and later (and with Wine, through GStreamer).
// It decodes AAC-LC and HE-AAC alike; for HE-AAC it finds the full rate and
// the stereo image itself, and says so with a change of its output format.

#include "common/helpers/com_ptr.h"
#include "playback/radio/adts_frame.h"
#include "playback/radio/audio_decoder.h"
#include "playback/radio/frame_splitter.h"
#include "playback/radio/media_foundation_library.h"

#include <windows.h>
// after windows.h, which they build on
#include <mftransform.h>

#include <memory>

class AacDecoder : public AudioDecoder {
public:
    AacDecoder() = default;
    AacDecoder(const AacDecoder&) = delete;
    AacDecoder& operator=(const AacDecoder&) = delete;

    bool Decode(std::string_view audio, const PcmSink& sink) override;

private:
    // A fresh decoder for frames of this format.
    bool Open(const AdtsFormat& input);
    bool SetInputType(const AdtsFormat& input);
    // Picks the decoder's 16-bit PCM output and prepares a sample for it.
    bool SetOutputType();
    bool DecodeFrame(std::string_view frame, const PcmSink& sink);
    bool Feed(std::string_view frame);
    // Takes every sample the decoder has ready to the sink.
    bool Drain(const PcmSink& sink);
    bool Deliver(IMFMediaBuffer& buffer, const PcmSink& sink);

    FrameSplitter splitter_{kAdtsFrames};
    const MediaFoundationLibrary* library_ = nullptr;  // kept by LoadMediaFoundation
    std::unique_ptr<MediaFoundationStarted> started_;
    ComPtr<IMFTransform> transform_;
    AdtsFormat input_;
    PcmFormat output_;
    ComPtr<IMFSample> outputSample_;  // null when the decoder brings its own
};
