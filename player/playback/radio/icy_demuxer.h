#pragma once
// Radio servers that were asked for metadata ("Icy-MetaData: 1") weave a
// metadata block into the audio after every `icy-metaint` bytes: one length
// byte counting 16-byte units, then that many bytes of text. The demuxer
// takes the blocks out again, however the network cut the bytes into reads.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class IcyDemuxer {
public:
    // An interval of 0 means the stream carries no metadata.
    explicit IcyDemuxer(std::size_t metaInterval);

    // `onAudio` receives the audio bytes in order; `onMetadata` each whole
    // metadata block that is not empty.
    void Feed(std::string_view bytes, const std::function<void(std::string_view)>& onAudio,
              const std::function<void(std::string_view)>& onMetadata);

private:
    enum class Part { Audio, Length, Metadata };

    std::size_t interval_;
    Part part_ = Part::Audio;
    std::size_t left_;  // bytes left in the current audio run or metadata block
    std::string metadata_;
};
