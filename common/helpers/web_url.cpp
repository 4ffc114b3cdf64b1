#include "common/helpers/web_url.h"

#include <type_traits>

namespace {

template <class Char>
Char LowerAscii(Char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<Char>(c - 'A' + 'a') : c;
}

template <class Char>
bool StartsWithScheme(std::basic_string_view<Char> url, std::string_view scheme) {
    if (url.size() < scheme.size()) return false;
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        if (LowerAscii(url[i]) != static_cast<Char>(scheme[i])) return false;
    }
    return true;
}

template <class Char>
bool IsSafeCharacter(Char c) {
    // Wide characters past ASCII are fine; only the C0 controls, DEL and the
    // quote can end or split an argument.
    const auto code = static_cast<std::make_unsigned_t<Char>>(c);
    return code >= 0x20 && code != 0x7F && c != '"';
}

template <class Char>
bool IsWebUrlOf(std::basic_string_view<Char> url) {
    std::size_t schemeLength = 0;
    if (StartsWithScheme(url, "http://"))
        schemeLength = 7;
    else if (StartsWithScheme(url, "https://"))
        schemeLength = 8;
    else
        return false;
    // A scheme without a host opens nothing useful.
    if (url.size() == schemeLength) return false;
    for (Char c : url) {
        if (!IsSafeCharacter(c)) return false;
    }
    return true;
}

}  // namespace

bool IsWebUrl(std::string_view url) { return IsWebUrlOf(url); }

bool IsWebUrl(std::wstring_view url) { return IsWebUrlOf(url); }
