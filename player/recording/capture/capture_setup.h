#pragma once
// Readies the capture engine for a device and a file format: the capture
// format chosen for them ("44100 Hz, 16-bit Stereo" when offered) and a ring
// buffer in it. The recorder runs it
// at start-up and after every device or file-format change, and shows the
// message of the step that failed.

#include "recording/capture/capture_engine.h"
#include "recording/capture/capture_format_choice.h"
#include "recording/files/recording_file_format.h"

#include <memory>
#include <optional>
#include <string_view>

enum class CaptureSetupStep { Done, Device, DirectSound, FormatList, Buffer };

struct CaptureSetup {
    CaptureSetupStep failed = CaptureSetupStep::Done;
    std::optional<FormatEntry> format;
};

// Hands the device (null when it could not be opened) to the engine, which
// stops any recording first.
CaptureSetup SetUpCapture(CaptureEngine& engine, std::unique_ptr<CaptureDevice> device,
                          RecordingFileFormat fileFormat);

// The recorder's error text for a failed step; the start-up names the
// format list failure at more length than a later change does.
std::wstring_view CaptureSetupMessage(CaptureSetupStep failed, bool atStartUp);
