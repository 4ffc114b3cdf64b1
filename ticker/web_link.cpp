#include "web_link.h"

#include "ascii_case.h"

namespace {

bool IsSafeCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte != 0x7F && c != '"';
}

}  // namespace

bool IsWebLink(std::string_view link) {
    const bool http = StartsWithIgnoringAsciiCase(link, "http://");
    if (!http && !StartsWithIgnoringAsciiCase(link, "https://")) return false;
    // A scheme without a host opens nothing useful.
    if (link.size() == (http ? 7u : 8u)) return false;
    for (char c : link) {
        if (!IsSafeCharacter(c)) return false;
    }
    return true;
}
