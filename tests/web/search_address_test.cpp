#include "web/search_address.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kSearchUrl[] = L"http://127.0.0.1:8080/search?q=";

TEST(SearchAddress, TwoWordsTravelWithTheSpaceEscaped) {
    EXPECT_EQ(SearchAddress(kSearchUrl, L"jazz radio"),
              L"http://127.0.0.1:8080/search?q=jazz%20radio");
}

TEST(SearchAddress, AnEmptyBoxOpensTheSearchUrlAlone) {
    EXPECT_EQ(SearchAddress(kSearchUrl, L""), kSearchUrl);
}

TEST(SearchAddress, QuerySignsQuotesAndOtherScriptsStayInsideTheWords) {
    EXPECT_EQ(EscapeSearchWords(L"rock & roll #1 +\"live\""),
              L"rock%20%26%20roll%20%231%20%2B%22live%22");
    EXPECT_EQ(EscapeSearchWords(L"caf\u00e9 \u266b"), L"caf%C3%A9%20%E2%99%AB");
    // A pair of UTF-16 halves is one character; a lone half is replaced.
    EXPECT_EQ(EscapeSearchWords(L"\U0001F3B5"), L"%F0%9F%8E%B5");
    EXPECT_EQ(EscapeSearchWords(std::wstring(1, wchar_t(0xD800))), L"%EF%BF%BD");
    EXPECT_EQ(EscapeSearchWords(L"A-z_0.9~"), L"A-z_0.9~");
}

}  // namespace
