#include "common/ports/xml_input_check.h"

#include <cctype>
#include <string>

namespace {

// The length of the well-formed UTF-8 sequence `bytes` starts with, or 0:
// no overlong forms, surrogates, values past U+10FFFF or NUL.
std::size_t SequenceLength(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead >= 0x01 && lead <= 0x7F) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (bytes.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return length;
}

bool IsWellFormedUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t length = SequenceLength(bytes);
        if (length == 0) return false;
        bytes.remove_prefix(length);
    }
    return true;
}

// Whether the bytes are meant as UTF-8: not UTF-16 by their byte-order mark,
// and no other encoding named in the XML declaration.
bool IsMeantAsUtf8(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return false;
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    if (!bytes.starts_with("<?xml")) return true;
    const std::string_view declaration = bytes.substr(0, bytes.find("?>"));
    const std::size_t name = declaration.find("encoding");
    const std::size_t open = declaration.find_first_of("\"'", name);
    if (name == std::string_view::npos || open == std::string_view::npos) return true;
    const std::size_t close = declaration.find(declaration[open], open + 1);
    std::string encoding(declaration.substr(open + 1, close - open - 1));
    for (char& c : encoding) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return encoding == "utf-8" || encoding == "utf8";
}

// "&#0;", "&#x00;" and the like, in a text of any character type.
template <class Char>
bool RefersToNul(std::basic_string_view<Char> text) {
    for (std::size_t at = text.find(Char('&')); at != text.npos; at = text.find(Char('&'), at + 1)) {
        std::size_t i = at + 1;
        if (i >= text.size() || text[i] != Char('#')) continue;
        ++i;
        if (i < text.size() && (text[i] == Char('x') || text[i] == Char('X'))) ++i;
        const std::size_t digits = i;
        while (i < text.size() && text[i] == Char('0')) ++i;
        if (i > digits && i < text.size() && text[i] == Char(';')) return true;
    }
    return false;
}

}  // namespace

bool AcceptsXmlBytes(std::string_view bytes) {
    if (RefersToNul(bytes)) return false;
    return !IsMeantAsUtf8(bytes) || IsWellFormedUtf8(bytes);
}

bool AcceptsXmlText(std::wstring_view text) {
    return !RefersToNul(text);
}
