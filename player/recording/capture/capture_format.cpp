#include "recording/capture/capture_format.h"

#include <array>
#include <cwchar>

namespace {

constexpr std::array<std::uint32_t, 5> kCandidateRates = {48000, 44100, 22050, 11025, 8000};
constexpr int kLayoutsPerRate = 4;
constexpr std::uint32_t kSlowFormatBytesPerSec = 8192;
constexpr std::uint32_t kSlowFormatNotifySize = 1024;

}  // namespace

CaptureFormat CaptureFormatCandidate(int index) {
    const int layout = index % kLayoutsPerRate;
    CaptureFormat format;
    format.sampleRate = kCandidateRates[static_cast<std::size_t>(index / kLayoutsPerRate)];
    format.bitsPerSample = (layout % 2 == 1) ? 16 : 8;
    format.channels = (layout >= 2) ? 2 : 1;
    return format;
}

std::wstring CaptureFormatText(const CaptureFormat& format) {
    wchar_t text[64];
    std::swprintf(text, std::size(text), L"%u Hz, %u-bit %ls", format.sampleRate,
                  static_cast<unsigned>(format.bitsPerSample),
                  format.channels == 1 ? L"Mono" : L"Stereo");
    return text;
}

bool IsCaptureFormatUsableFor(RecordingFileFormat fileFormat, const CaptureFormat& format) {
    return fileFormat == RecordingFileFormat::Wav ||
           (format.bitsPerSample == 16 && format.sampleRate >= 32000);
}

std::uint32_t CaptureNotifySize(const CaptureFormat& format) {
    const std::uint32_t bytesPerSec = format.AvgBytesPerSec();
    if (bytesPerSec < kSlowFormatBytesPerSec) return kSlowFormatNotifySize;
    const std::uint32_t eighth = bytesPerSec / 8;
    return eighth - eighth % format.BlockAlign();
}
