#include "playback/radio/stream_title.h"

#include "common/helpers/windows_1252.h"

namespace {

constexpr std::string_view kTitleStart = "StreamTitle='";
constexpr std::string_view kFieldEnd = "';";

// The code point of a well-formed UTF-8 sequence at `at`, and its length;
// nothing for overlong forms, surrogates and cut sequences.
std::optional<std::pair<char32_t, std::size_t>> Utf8At(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return std::pair<char32_t, std::size_t>{lead, 1};
    std::size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (at + length > text.size()) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return std::nullopt;
        value = (value << 6) | (byte(at + i) & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return std::nullopt;
    return std::pair{value, length};
}

std::optional<std::u32string> DecodeUtf8(std::string_view text) {
    std::u32string decoded;
    for (std::size_t at = 0; at < text.size();) {
        const auto character = Utf8At(text, at);
        if (!character) return std::nullopt;
        decoded.push_back(character->first);
        at += character->second;
    }
    return decoded;
}

std::u32string DecodeTitle(std::string_view text) {
    if (auto utf8 = DecodeUtf8(text)) return *utf8;
    std::u32string decoded;
    for (wchar_t c : Windows1252ToWide(text)) decoded.push_back(static_cast<char32_t>(c));
    return decoded;
}

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

void AppendWide(std::wstring& text, char32_t c) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (c >= 0x10000) {
            c -= 0x10000;
            text.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
            text.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
            return;
        }
    }
    text.push_back(static_cast<wchar_t>(c));
}

}  // namespace

std::optional<std::wstring> StreamTitleOf(std::string_view block) {
    const std::size_t start = block.find(kTitleStart);
    if (start == std::string_view::npos) return std::nullopt;
    const std::size_t first = start + kTitleStart.size();
    // Titles may hold apostrophes of their own; the field ends at "';", or
    // at the last apostrophe when it is the only field.
    std::size_t end = block.find(kFieldEnd, first);
    if (end == std::string_view::npos) end = block.rfind('\'');
    if (end == std::string_view::npos || end < first) return std::nullopt;

    std::wstring title;
    std::size_t characters = 0;
    for (char32_t c : DecodeTitle(block.substr(first, end - first))) {
        if (IsControl(c)) continue;
        if (characters++ == kMaxStreamTitleLength) break;
        AppendWide(title, c);
    }
    return title;
}
