#pragma once
// The installed DirectX version, as the recorder's check needs it: a value
// (major << 16 | minor << 8 | letter, 'a' = 1) and its text ("9.0", "8.1b").
// When the diagnostics cannot tell, the versions of DirectX's own files in
// the system folder do: each release left a file at a known version.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

using FileVersion = std::array<std::uint16_t, 4>;  // most significant first

struct DirectXVersion {
    unsigned value = 0;
    std::wstring text;
};

DirectXVersion MakeDirectXVersion(unsigned major, unsigned minor, wchar_t letter);

// The version of a file in the system folder; nothing when it cannot be read.
using SystemFileVersion = std::function<std::optional<FileVersion>(std::wstring_view file)>;

// 0.0 when none of the files tells.
DirectXVersion DirectXVersionFromFiles(const SystemFileVersion& versionOf);

// The top bit of the system's version word marks the 95/98/Me family.
bool IsWindows9xFamily(std::uint32_t systemVersion);

// The recorder needs DirectX 9 only on the Windows 95/98/Me family; an
// unknown version stops it too.
bool RecorderNeedsDirectX(const std::optional<DirectXVersion>& version,
                          std::uint32_t systemVersion);
