#include "search_address.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kSearchUrl[] = L"http://127.0.0.1:8080/search?q=";

// Stands in for the system's canonicalisation, which escapes the space.
std::optional<std::wstring> EscapeSpaces(std::wstring_view text) {
    std::wstring escaped;
    for (wchar_t c : text) escaped += c == L' ' ? std::wstring(L"%20") : std::wstring(1, c);
    return escaped;
}

TEST(SearchAddress, AppendsTheCanonicalWordsToTheSearchUrl) {
    EXPECT_EQ(SearchAddress(kSearchUrl, L"jazz radio", EscapeSpaces),
              L"http://127.0.0.1:8080/search?q=jazz%20radio");
}

TEST(SearchAddress, AnEmptyBoxOpensTheSearchUrlAloneAndARefusedTextNothing) {
    bool asked = false;
    const auto refuse = [&asked](std::wstring_view) -> std::optional<std::wstring> {
        asked = true;
        return std::nullopt;
    };
    EXPECT_EQ(SearchAddress(kSearchUrl, L"", refuse), kSearchUrl);
    EXPECT_FALSE(asked);
    EXPECT_EQ(SearchAddress(kSearchUrl, L"words", refuse), std::nullopt);
}

}  // namespace
