#pragma once
// The recordings folder as the file system has it, for the list refresh and
// the choice of the next free name.

#include "recording/recorder/recordings_list.h"

#include <string>
#include <vector>

// Every entry of the folder but "." and "..", subfolders included, with its
// creation time in local time.
std::vector<FolderEntry> ListFolderEntries(const std::wstring& folder);

bool RecordingFileExists(const std::wstring& path);
