#include "common/helpers/windows_1252.h"

#include <array>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The five bytes it
// leaves unassigned stand for the control characters of the same value, both
// ways, as Windows converts them.
constexpr std::array<wchar_t, 32> kHighCharacters{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char ToWindows1252(wchar_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighCharacters.size(); ++i) {
        if (kHighCharacters[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::wstring Windows1252ToWide(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text.push_back(value >= 0x80 && value < 0xA0 ? kHighCharacters[value - 0x80]
                                                     : static_cast<wchar_t>(value));
    }
    return text;
}

std::string WideToWindows1252(std::wstring_view text) {
    std::string ansi;
    ansi.reserve(text.size());
    for (wchar_t c : text) ansi.push_back(ToWindows1252(c));
    return ansi;
}
