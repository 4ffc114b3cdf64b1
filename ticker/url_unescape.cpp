#include "ticker/url_unescape.h"

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string UnescapeUrl(std::string_view link) {
    std::string plain;
    plain.reserve(link.size());
    for (std::size_t i = 0; i < link.size(); ++i) {
        if (link[i] == '%' && i + 2 < link.size()) {
            const int high = HexValue(link[i + 1]);
            const int low = HexValue(link[i + 2]);
            if (high >= 0 && low >= 0) {
                plain += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        plain += link[i];
    }
    return plain;
}
