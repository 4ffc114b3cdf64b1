#pragma once
// Encodes a recording to MP3 while it is captured, through the BladeEnc
// interface of the user's LAME library. Each Encode call encodes all of its
// sound at once; nothing is held back between calls.

#include "recording/capture/sample_writer.h"
#include "recording/files/bladeenc.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Finds the library's entry points; nothing when the library is missing.
using BladeEncLoader = std::function<std::optional<BladeEncTable>()>;

// The start-up check: the library is there with all six required entries.
bool IsEncoderAvailable(const BladeEncLoader& load);

class Mp3FileEncoder : public SampleWriter {
public:
    explicit Mp3FileEncoder(BladeEncLoader load);
    ~Mp3FileEncoder() override;
    Mp3FileEncoder(const Mp3FileEncoder&) = delete;
    Mp3FileEncoder& operator=(const Mp3FileEncoder&) = delete;

    // True when the file is open and the stream initialised.
    bool Open(const std::wstring& path, std::uint32_t sampleRate, std::uint16_t channels);
    // Interleaved signed 16-bit little-endian PCM; length in bytes.
    bool Encode(const std::uint8_t* bytes, std::size_t length);
    // Flushes the stream and closes it and the file.
    void Close() override;

    bool WriteSamples(const std::uint8_t* bytes, std::size_t length) override {
        return Encode(bytes, length);
    }
    // Writes failed for many blocks in a row, or the library gave up.
    bool Exhausted() const override {
        return failedBlocks_ >= kFailedBlocksBeforeGivingUp || (file_.is_open() && !streamOpen_);
    }

    // About five seconds of blocks of a 44.1 kHz stereo capture: long enough
    // for a full disk to get room, short enough that not much is lost.
    static constexpr int kFailedBlocksBeforeGivingUp = 40;

private:
    bool AllocateBuffers(std::uint32_t samplesPerChunk, std::uint32_t outputSize);
    bool WriteProduced(std::uint32_t produced);
    void CloseStream();

    BladeEncLoader load_;
    BladeEncTable table_;
    std::ofstream file_;
    BeStream stream_ = 0;
    bool streamOpen_ = false;
    std::vector<std::int16_t> input_;    // one chunk of samples-per-chunk values
    std::vector<std::uint8_t> output_;   // what one library call may produce
    int failedBlocks_ = 0;
};
