#pragma once
// The capture formats a device offers for a file format, in candidate order
// (the recorder's hidden format list).

#include "recording/capture/capture_buffer.h"
#include "recording/capture/capture_format.h"
#include "recording/files/recording_file_format.h"

#include <optional>
#include <string>
#include <vector>

struct FormatEntry {
    std::wstring text;
    int candidate = 0;
};

std::vector<FormatEntry> BuildFormatList(CaptureDevice& device, RecordingFileFormat fileFormat);

// The entry of "44100 Hz, 16-bit Stereo", else entry 0; nothing for an
// empty list.
std::optional<std::size_t> DefaultFormatEntry(const std::vector<FormatEntry>& list);
