#pragma once
// The PCM formats the recorder may capture in, and the block sizes the
// capture ring buffer is cut into.

#include "recording/files/recording_file_format.h"

#include <cstdint>
#include <string>

struct CaptureFormat {
    std::uint32_t sampleRate = 44100;
    std::uint16_t bitsPerSample = 16;
    std::uint16_t channels = 2;

    std::uint16_t BlockAlign() const { return static_cast<std::uint16_t>(bitsPerSample / 8 * channels); }
    std::uint32_t AvgBytesPerSec() const { return BlockAlign() * sampleRate; }
    bool operator==(const CaptureFormat&) const = default;
};

// Candidates 0..19: five rates from 48000 Hz down to 8000 Hz, four layouts
// each (8-bit mono, 16-bit mono, 8-bit stereo, 16-bit stereo).
inline constexpr int kCaptureFormatCount = 20;
CaptureFormat CaptureFormatCandidate(int index);

// "44100 Hz, 16-bit Stereo": the text the registry value "Format" keeps.
std::wstring CaptureFormatText(const CaptureFormat& format);
// 44100 Hz, 16-bit stereo, the format recorded wherever the device offers it.
inline constexpr int kDefaultCaptureFormatCandidate = 7;

// The encoder takes only 16-bit sound at 44100 or 48000 Hz; WAV takes all.
bool IsCaptureFormatUsableFor(RecordingFileFormat fileFormat, const CaptureFormat& format);

// One block is about an eighth of a second of sound, whole sample frames
// only; slow formats use 1024 bytes. The ring buffer holds 32 blocks, about
// four seconds: how late the worker may come before sound is lost.
inline constexpr std::uint32_t kCaptureBlocksPerBuffer = 32;
std::uint32_t CaptureNotifySize(const CaptureFormat& format);
inline std::uint32_t CaptureBufferSize(const CaptureFormat& format) {
    return kCaptureBlocksPerBuffer * CaptureNotifySize(format);
}
