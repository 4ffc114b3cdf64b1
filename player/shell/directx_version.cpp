#include "shell/directx_version.h"

namespace {

constexpr unsigned kDirectX9 = 0x90000;

// A row holds when the file's version is at least `atLeast`. Some files were
// numbered 4.x on the 95/98/Me family and 5.x on NT; those rows have a
// threshold for each, chosen by the file's own major part.
struct VersionRow {
    const wchar_t* file;
    FileVersion atLeast;
    std::optional<FileVersion> atLeastOnNt;
    unsigned major, minor;
    wchar_t letter;
};

constexpr FileVersion kAny{0, 0, 0, 0};

const VersionRow kRows[] = {
    {L"ddraw.dll", {4, 2, 0, 95}, std::nullopt, 1, 0, 0},
    {L"ddraw.dll", {4, 3, 0, 1096}, std::nullopt, 2, 0, 0},
    {L"ddraw.dll", {4, 4, 0, 68}, std::nullopt, 3, 0, 0},
    {L"d3drg8x.dll", {4, 4, 0, 70}, std::nullopt, 3, 0, L'a'},
    {L"ddraw.dll", {4, 5, 0, 155}, std::nullopt, 5, 0, 0},
    {L"ddraw.dll", {4, 6, 0, 318}, std::nullopt, 6, 0, 0},
    {L"ddraw.dll", {4, 6, 0, 436}, std::nullopt, 6, 1, 0},
    {L"dplayx.dll", {4, 6, 3, 518}, std::nullopt, 6, 1, L'a'},
    {L"ddraw.dll", {4, 7, 0, 700}, std::nullopt, 7, 0, 0},
    {L"dinput.dll", {4, 7, 0, 716}, std::nullopt, 7, 0, L'a'},
    {L"ddraw.dll", {4, 8, 0, 400}, FileVersion{5, 1, 2258, 400}, 8, 0, 0},
    {L"d3d8.dll", {4, 8, 1, 881}, FileVersion{5, 1, 2600, 881}, 8, 1, 0},
    {L"d3d8.dll", {4, 8, 1, 901}, FileVersion{5, 1, 2600, 901}, 8, 1, L'a'},
    {L"mpg2splt.ax", {6, 3, 1, 885}, std::nullopt, 8, 1, L'b'},
    {L"dpnet.dll", {4, 9, 0, 134}, FileVersion{5, 2, 3677, 134}, 8, 2, 0},
    {L"d3d9.dll", kAny, std::nullopt, 9, 0, 0},
};

bool Holds(const VersionRow& row, const FileVersion& version) {
    if (!row.atLeastOnNt) return version >= row.atLeast;
    if (version[0] == row.atLeast[0]) return version >= row.atLeast;
    if (version[0] == (*row.atLeastOnNt)[0]) return version >= *row.atLeastOnNt;
    return false;
}

}  // namespace

DirectXVersion MakeDirectXVersion(unsigned major, unsigned minor, wchar_t letter) {
    DirectXVersion version;
    const unsigned place = letter >= L'a' && letter <= L'z' ? letter - L'a' + 1 : 0;
    version.value = (major << 16) | (minor << 8) | place;
    version.text = std::to_wstring(major) + L'.' + std::to_wstring(minor);
    if (place) version.text += letter;
    return version;
}

DirectXVersion DirectXVersionFromFiles(const SystemFileVersion& versionOf) {
    DirectXVersion found = MakeDirectXVersion(0, 0, 0);
    for (const VersionRow& row : kRows) {
        const std::optional<FileVersion> version = versionOf(row.file);
        if (version && Holds(row, *version))
            found = MakeDirectXVersion(row.major, row.minor, row.letter);
    }
    return found;
}

bool IsWindows9xFamily(std::uint32_t systemVersion) { return (systemVersion & 0x80000000u) != 0; }

bool RecorderNeedsDirectX(const std::optional<DirectXVersion>& version,
                          std::uint32_t systemVersion) {
    if (!version) return true;
    return IsWindows9xFamily(systemVersion) && version->value < kDirectX9;
}
