// The host stands in for the ANSI code page with Windows-1252, the code page
// of the Western European systems the ticker is mostly used on.

#include "ansi_text.h"

#include <array>

namespace {

// Characters of the bytes 0x80-0x9F; zero where Windows-1252 has none. Every
// other byte is the Unicode character of the same number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char ToCp1252(wchar_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

wchar_t FromCp1252(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0) {
        return static_cast<wchar_t>(kHighControls[byte - 0x80]);
    }
    return static_cast<wchar_t>(byte);
}

}  // namespace

std::string ToAnsi(std::wstring_view text) {
    std::string ansi;
    ansi.reserve(text.size());
    for (wchar_t c : text) ansi += ToCp1252(c);
    return ansi;
}

std::wstring FromAnsi(std::string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (char c : text) wide += FromCp1252(c);
    return wide;
}
