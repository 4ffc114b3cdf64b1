#include "common/ports/ansi_text.h"

#include <gtest/gtest.h>

// The host build stands in Windows-1252 for the system code page.
TEST(AnsiText, ConvertsToTheWesternCodePage) {
    EXPECT_EQ(WideToAnsi(L"Caf\u00e9 \u20ac5"), "Caf\xE9 \x80" "5");
    EXPECT_EQ(WideToAnsi(L"\u201cquoted\u201d"), "\x93quoted\x94");
    EXPECT_EQ(WideToAnsi(L"\u4e2d"), "?");
    EXPECT_EQ(WideToAnsi(L""), "");
    EXPECT_EQ(AnsiToWide("Caf\xE9 \x80\x93"), L"Caf\u00e9 \u20ac\u201c");
    // Bytes the code page leaves unassigned pass through unchanged.
    EXPECT_EQ(AnsiToWide("\x81"), L"\u0081");
}

TEST(AnsiText, HostStandsInWindows1252) {
    EXPECT_EQ(AnsiToWide("A\x80\x8a\x9f\xa0\xff\x81"), L"A\u20ac\u0160\u0178\u00a0\u00ff\u0081");
    EXPECT_EQ(AnsiToWide(""), L"");
}
