#pragma once
// The user's LAME encoder library, taken from the program's own folder only
// and kept loaded for the rest of the run.

#include "recording/files/mp3_file_encoder.h"

#include <string>

inline constexpr wchar_t kLameEncLibrary[] = L"lame_enc.dll";

// The entry points of the library at this full path; nothing when it
// cannot be loaded.
std::optional<BladeEncTable> LoadBladeEncLibrary(const std::wstring& path);

// The loader the recorder hands to Mp3FileEncoder and IsEncoderAvailable:
// the library of this name in the program's folder.
BladeEncLoader LameEncLoader(std::wstring name = kLameEncLibrary);
