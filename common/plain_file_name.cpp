#include "plain_file_name.h"

#include <array>
#include <string>

namespace {

bool IsRefusedCharacter(wchar_t c) {
    return c < 32 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos;
}

std::wstring UpperAscii(std::wstring_view text) {
    std::wstring upper(text);
    for (wchar_t& c : upper) {
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return upper;
}

// Windows opens the device for its name with any extension ("NUL.bmp"), and
// ignores spaces before the dot ("NUL .bmp").
bool IsDeviceName(std::wstring_view name) {
    std::wstring_view stem = name.substr(0, name.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') stem.remove_suffix(1);
    const std::wstring upper = UpperAscii(stem);
    static constexpr std::array<std::wstring_view, 6> kFixed{L"CON", L"PRN", L"AUX", L"NUL",
                                                               L"CONIN$", L"CONOUT$"};
    for (auto device : kFixed) {
        if (upper == device) return true;
    }
    const bool numbered = upper.size() == 4 && (upper.starts_with(L"COM") ||
                                                 upper.starts_with(L"LPT"));
    return numbered && upper[3] >= L'0' && upper[3] <= L'9';
}

}  // namespace

bool IsPlainFileName(std::wstring_view name) {
    if (name.empty() || name.back() == L'.' || name.back() == L' ') return false;
    if (name.find(L"..") != std::wstring_view::npos) return false;
    for (wchar_t c : name) {
        if (IsRefusedCharacter(c)) return false;
    }
    return !IsDeviceName(name);
}
