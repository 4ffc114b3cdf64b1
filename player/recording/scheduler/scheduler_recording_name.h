#pragma once
// The file name of a scheduled recording. The recorder writes it into the
// recordings folder as it stands, so a name from the name field or from
// queued.xml must pass IsPlainFileName (plain_file_name.h) before it is used.

#include "recording/scheduler/queued_recording.h"

#include <string>
#include <string_view>

// The typed name, taken as it is (also when empty), followed by ".mp3" or
// ".wav".
std::wstring RecordingFileName(std::wstring_view typedName, RecordingFormat format);
