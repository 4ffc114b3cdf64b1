#include "shell/tray_tip.h"

#include <algorithm>

namespace {
constexpr wchar_t kEllipsis = L'\u2026';

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
}  // namespace

std::wstring TrayTip(const std::wstring& station, const std::wstring& title, std::size_t room) {
    std::wstring tip = title.empty() ? station : station + L" - " + title;
    // A title page may put line breaks or tabs in its title; the tip is one line.
    std::replace_if(tip.begin(), tip.end(), [](wchar_t c) { return c < L' '; }, L' ');
    if (tip.size() <= room || room == 0) return tip.substr(0, room);
    tip.resize(room - 1);
    // Never half a character: a pair cut in two would show as a box.
    if (IsHighSurrogate(tip.back())) tip.pop_back();
    return tip + kEllipsis;
}
