#include "web/search_address.h"

#include <string>
#include <type_traits>

namespace {

bool IsUnreserved(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// The UTF-8 bytes of one character; a lone surrogate stands for U+FFFD.
std::string Utf8(char32_t c) {
    if (c < 0x80) return std::string(1, static_cast<char>(c));
    if (c < 0x800)
        return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
    if (c < 0x10000)
        return {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                static_cast<char>(0x80 | (c & 0x3F))};
    return {static_cast<char>(0xF0 | (c >> 18)), static_cast<char>(0x80 | ((c >> 12) & 0x3F)),
            static_cast<char>(0x80 | ((c >> 6) & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
}

// The character that starts at `at` (a UTF-16 pair counts as one where
// wchar_t is 16 bits wide); `at` moves past it.
char32_t NextCharacter(std::wstring_view text, std::size_t& at) {
    const char32_t first = static_cast<std::make_unsigned_t<wchar_t>>(text[at++]);
    if (first > 0x10FFFF) return 0xFFFD;
    if (first < 0xD800 || first > 0xDFFF) return first;
    if (first <= 0xDBFF && at < text.size()) {
        const char32_t second = static_cast<std::make_unsigned_t<wchar_t>>(text[at]);
        if (second >= 0xDC00 && second <= 0xDFFF) {
            ++at;
            return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
        }
    }
    return 0xFFFD;
}

}  // namespace

std::wstring EscapeSearchWords(std::wstring_view words) {
    constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring escaped;
    for (std::size_t at = 0; at < words.size();) {
        const char32_t c = NextCharacter(words, at);
        if (IsUnreserved(c)) {
            escaped += static_cast<wchar_t>(c);
            continue;
        }
        for (unsigned char byte : Utf8(c)) {
            escaped += L'%';
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0xF];
        }
    }
    return escaped;
}

std::wstring SearchAddress(std::wstring_view searchUrl, std::wstring_view words) {
    return std::wstring(searchUrl) + EscapeSearchWords(words);
}
