#include "recording/capture/capture_format_choice.h"

namespace {

bool Offered(CaptureDevice& device, RecordingFileFormat fileFormat, int candidate) {
    const CaptureFormat format = CaptureFormatCandidate(candidate);
    return IsCaptureFormatUsableFor(fileFormat, format) && device.Supports(format);
}

FormatEntry EntryOf(int candidate) {
    return {CaptureFormatText(CaptureFormatCandidate(candidate)), candidate};
}

}  // namespace

std::optional<FormatEntry> ChooseCaptureFormat(CaptureDevice& device, RecordingFileFormat fileFormat) {
    const int preferred = kDefaultCaptureFormatCandidate;
    if (Offered(device, fileFormat, preferred)) return EntryOf(preferred);
    for (int candidate = 0; candidate < kCaptureFormatCount; ++candidate) {
        if (candidate != preferred && Offered(device, fileFormat, candidate))
            return EntryOf(candidate);
    }
    return std::nullopt;
}
