#include "search_address.h"

std::optional<std::wstring> SearchAddress(std::wstring_view searchUrl, std::wstring_view words,
                                          const UrlPartCanonicaliser& canonicalise) {
    std::wstring address(searchUrl);
    if (words.empty()) return address;
    const std::optional<std::wstring> canonical = canonicalise(words);
    if (!canonical) return std::nullopt;
    return address + *canonical;
}
