#include "common/helpers/plain_file_name.h"

#include "common/helpers/text_case.h"

#include <array>

namespace {

bool IsRefusedCharacter(wchar_t c) {
    return c < 32 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos;
}

// Windows reserves the ports with the superscript digits too ("COM\u00b9").
bool IsPortDigit(wchar_t c) {
    return (c >= L'0' && c <= L'9') || c == L'\u00b9' || c == L'\u00b2' || c == L'\u00b3';
}

// Windows opens the device for its name with any extension ("NUL.bmp"), and
// ignores spaces before the dot ("NUL .bmp").
bool IsDeviceName(std::wstring_view name) {
    std::wstring_view stem = name.substr(0, name.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') stem.remove_suffix(1);
    static constexpr std::array<std::wstring_view, 6> kFixed{L"CON", L"PRN", L"AUX", L"NUL",
                                                               L"CONIN$", L"CONOUT$"};
    for (auto device : kFixed) {
        if (EqualsIgnoringCase(stem, device)) return true;
    }
    const bool numbered = stem.size() == 4 && (StartsWithIgnoringCase(stem, L"COM") ||
                                                StartsWithIgnoringCase(stem, L"LPT"));
    return numbered && IsPortDigit(stem[3]);
}

}  // namespace

bool IsPlainFileName(std::wstring_view name) {
    // "." and ".." end in a dot, so this also refuses the folder and its parent;
    // two dots inside a name ("Best..Of.mp3") lead nowhere else.
    if (name.empty() || name.back() == L'.' || name.back() == L' ') return false;
    for (wchar_t c : name) {
        if (IsRefusedCharacter(c)) return false;
    }
    return !IsDeviceName(name);
}

std::optional<std::wstring> PlainFileNameFrom(std::wstring_view text) {
    std::wstring name;
    for (wchar_t c : text) name += IsRefusedCharacter(c) ? L'_' : c;
    const std::size_t first = name.find_first_not_of(L' ');
    if (first == std::wstring::npos) return std::nullopt;
    name.erase(0, first);
    while (!name.empty() && (name.back() == L'.' || name.back() == L' ')) name.pop_back();
    if (!IsPlainFileName(name)) return std::nullopt;
    return name;
}
