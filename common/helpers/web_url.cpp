#include "common/helpers/web_url.h"

#include <algorithm>
#include <array>
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

// True when `url` starts with one of `schemes` (each with its "://"), has
// something after it and holds only safe characters.
template <class Char, std::size_t N>
bool HasSchemeOf(std::basic_string_view<Char> url, const std::array<std::string_view, N>& schemes) {
    const auto scheme = std::find_if(schemes.begin(), schemes.end(), [&](std::string_view s) {
        return StartsWithScheme(url, s);
    });
    // A scheme without a host opens nothing useful.
    if (scheme == schemes.end() || url.size() == scheme->size()) return false;
    return std::all_of(url.begin(), url.end(), [](Char c) { return IsSafeCharacter(c); });
}

constexpr std::array<std::string_view, 2> kWebSchemes{"http://", "https://"};
constexpr std::array<std::string_view, 1> kSecureWebSchemes{"https://"};
constexpr std::array<std::string_view, 5> kStreamSchemes{"http://", "https://", "mms://",
                                                         "mmsh://", "rtsp://"};

}  // namespace

bool IsWebUrl(std::string_view url) { return HasSchemeOf(url, kWebSchemes); }

bool IsWebUrl(std::wstring_view url) { return HasSchemeOf(url, kWebSchemes); }

bool IsSecureWebUrl(std::wstring_view url) { return HasSchemeOf(url, kSecureWebSchemes); }

bool IsStreamUrl(std::wstring_view url) { return HasSchemeOf(url, kStreamSchemes); }
