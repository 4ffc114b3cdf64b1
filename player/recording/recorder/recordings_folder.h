#pragma once

#include "common/ports/registry.h"

#include <string>

inline constexpr wchar_t kRecordFolderValue[] = L"RecordFolder";

// Where recordings go: the user's chosen parent folder ("RecordFolder" under
// the player key, kept with one trailing backslash) followed by
// "My Recordings\", or "C:\My Recordings\" while none is chosen.
std::wstring GetRecordingsFolder(Registry& registry);
