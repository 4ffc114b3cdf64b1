#pragma once
// Writes a recording as a RIFF WAVE file: "fmt ", a "fact" chunk and "data".
// While the recording runs the RIFF and data sizes on disk are 0 and the fact
// value is 0xFFFFFFFF, so a file left by a crash is recognisable; Close
// patches the sizes and sets the fact value to 0.

#include "recording/capture/capture_format.h"
#include "recording/capture/sample_writer.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

// Full: the file reached its size limit and took only what fit.
enum class WaveResult { Ok, NotOpen, InvalidArgument, WriteFailed, OpenFailed, Full };

// The most sound a WAV file can hold: its sizes are 32-bit, and the RIFF
// size counts the header and a pad byte too.
inline constexpr std::uint32_t kMaxWaveDataBytes = 0xFFFFFFFFu - 48 - 1;

class WaveFileWriter : public SampleWriter {
public:
    // The limit is lowered only by tests.
    explicit WaveFileWriter(std::uint32_t maxDataBytes = kMaxWaveDataBytes)
        : maxDataBytes_(maxDataBytes) {}
    ~WaveFileWriter() override;
    WaveFileWriter(const WaveFileWriter&) = delete;
    WaveFileWriter& operator=(const WaveFileWriter&) = delete;

    // Creates or replaces the file and writes the header.
    WaveResult Open(const std::wstring& path, const CaptureFormat& format);
    // written receives how many bytes were taken, also on failure. After a
    // failure (WriteFailed, Full) the writer is Exhausted: the recording ends.
    WaveResult Write(const std::uint8_t* bytes, std::size_t length, std::size_t& written);
    void Close() override;

    bool WriteSamples(const std::uint8_t* bytes, std::size_t length) override;
    // The file is full, or a write failed: nothing more goes in.
    bool Exhausted() const override { return exhausted_; }

private:
    std::uint32_t DataBytesOnDisk();

    std::fstream file_;
    std::uint32_t maxDataBytes_;
    std::uint32_t dataLimit_ = 0;  // the limit in whole sample frames
    std::uint32_t dataBytes_ = 0;
    bool exhausted_ = false;
};
