#pragma once
// The user's LAME encoder library, found by the standard DLL search (the
// player's folder first) and kept loaded for the rest of the run.

#include "recording/files/mp3_file_encoder.h"

#include <string>

inline constexpr wchar_t kLameEncLibrary[] = L"lame_enc.dll";

// The library's entry points by name; nothing when it cannot be loaded.
std::optional<BladeEncTable> LoadBladeEncLibrary(const wchar_t* name);

// The loader the recorder hands to Mp3FileEncoder and IsEncoderAvailable.
BladeEncLoader LameEncLoader(std::wstring name = kLameEncLibrary);
