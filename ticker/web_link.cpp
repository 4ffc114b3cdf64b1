#include "web_link.h"

namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

bool IsSafeCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte != 0x7F && c != '"';
}

}  // namespace

bool IsWebLink(std::string_view link) {
    const bool http = StartsWithIgnoringCase(link, "http://");
    if (!http && !StartsWithIgnoringCase(link, "https://")) return false;
    // A scheme without a host opens nothing useful.
    if (link.size() == (http ? 7u : 8u)) return false;
    for (char c : link) {
        if (!IsSafeCharacter(c)) return false;
    }
    return true;
}
