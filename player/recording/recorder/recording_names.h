#pragma once
// How the recorder names its files: the next free "RecordingNNN", the
// extension of a new recording, and the extension kept on a rename.

#include "recording/files/recording_file_format.h"

#include <functional>
#include <string>

using FileExistsFn = std::function<bool(const std::wstring& path)>;

// The first "Recording%03d" (001 up to 34999) for which neither an .mp3 nor
// a .wav of that name exists in the folder; "Recording" when all are taken.
std::wstring NextFreeRecordingName(const std::wstring& folder, const FileExistsFn& exists);

// The path as it is when its file name already holds the format's extension
// anywhere (in any letter case), else with the extension appended.
std::wstring WithRecordingExtension(const std::wstring& path, RecordingFileFormat format);

// The name a recording gets when the user types newName over oldName: a
// typed name without ".wav" keeps the old file's ".wav", or else its ".mp3"
// unless the typed name has ".mp3" itself. Letter case is kept as typed.
std::wstring RenamedRecordingName(const std::wstring& oldName, const std::wstring& newName);
