#pragma once
// The file name of a scheduled recording. The recorder writes it into the
// recordings folder as it stands, so a name from the name field or from
// queued.xml must name a plain file in that folder and nothing else.

#include "queued_recording.h"

#include <string>
#include <string_view>

// The typed name, taken as it is (also when empty), followed by ".mp3" or
// ".wav".
std::wstring RecordingFileName(std::wstring_view typedName, RecordingFormat format);

// False for names with a path separator, "..", a drive prefix, a character
// Windows forbids in file names, or a device name such as "CON" or "COM1"
// before the first dot: each would write somewhere other than a new file in
// the recordings folder.
bool IsSafeRecordingFileName(std::wstring_view fileName);

// Windows file names do not tell letter case apart, nor do the queue's names.
bool SameFileName(std::wstring_view a, std::wstring_view b);
