#pragma once
// The capture format the recorder uses with a device for a file format (the
// user does not choose it): "44100 Hz, 16-bit Stereo" when the device offers
// it and the file format allows it, else the first candidate in order that
// both allow. MP3 takes only 16-bit sound at 32000 Hz or more.

#include "recording/capture/capture_buffer.h"
#include "recording/capture/capture_format.h"
#include "recording/files/recording_file_format.h"

#include <optional>
#include <string>

struct FormatEntry {
    std::wstring text;
    int candidate = 0;
};

// Nothing when no candidate will do. Asking the device whether it offers a
// format costs it a buffer made and released, about 25 ms under Wine, so
// the usual answer asks once rather than for all twenty candidates.
std::optional<FormatEntry> ChooseCaptureFormat(CaptureDevice& device, RecordingFileFormat fileFormat);
