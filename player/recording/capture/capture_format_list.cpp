#include "recording/capture/capture_format_list.h"

#include "recording/capture/capture_settings.h"

std::vector<FormatEntry> BuildFormatList(CaptureDevice& device, RecordingFileFormat fileFormat) {
    std::vector<FormatEntry> list;
    for (int candidate = 0; candidate < kCaptureFormatCount; ++candidate) {
        const CaptureFormat format = CaptureFormatCandidate(candidate);
        if (device.Supports(format) && IsCaptureFormatUsableFor(fileFormat, format)) {
            list.push_back({CaptureFormatText(format), candidate});
        }
    }
    return list;
}

std::optional<std::size_t> DefaultFormatEntry(const std::vector<FormatEntry>& list) {
    if (list.empty()) return std::nullopt;
    std::vector<std::wstring> texts;
    for (const FormatEntry& entry : list) texts.push_back(entry.text);
    return FindEntryByPrefix(texts, kDefaultCaptureFormatText).value_or(0);
}
