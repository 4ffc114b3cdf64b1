#include "recording/scheduler/scheduler_recording_name.h"

std::wstring RecordingFileName(std::wstring_view typedName, RecordingFormat format) {
    return std::wstring(typedName) + (format == RecordingFormat::Wav ? L".wav" : L".mp3");
}
