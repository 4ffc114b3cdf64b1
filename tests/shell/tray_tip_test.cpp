// The tray icon's tip: the station and its title on one line, cut to the
// room the tip has without ever splitting a character.

#include "shell/tray_tip.h"

#include <gtest/gtest.h>

TEST(TrayTip, NamesTheStationAndItsTitleOnOneLine) {
    EXPECT_EQ(TrayTip(L"Velmora Live", L"", 127), L"Velmora Live");
    EXPECT_EQ(TrayTip(L"Velmora Live", L"Nocturne\r\nin blue", 127),
              L"Velmora Live - Nocturne  in blue");
}

TEST(TrayTip, ALongTitleIsCutToTheRoomAndEndsInAnEllipsis) {
    const std::wstring fits = TrayTip(L"Jazz", std::wstring(120, L'x'), 127);
    EXPECT_EQ(fits.size(), 127u);
    EXPECT_EQ(fits.back(), L'x');

    const std::wstring cut = TrayTip(L"Jazz", std::wstring(200, L'x'), 127);
    EXPECT_EQ(cut.size(), 127u);
    EXPECT_EQ(cut.substr(0, 8), L"Jazz - x");
    EXPECT_EQ(cut.back(), L'\u2026');

    // A character outside the basic plane is two units in the tip: the cut
    // drops the first half of a pair rather than leave it alone.
    std::wstring title(118, L'x');
    title += {wchar_t(0xD83C), wchar_t(0xDFB5), L'y'};
    const std::wstring split = TrayTip(L"Jazz", title, 127);
    EXPECT_EQ(split.size(), 126u);
    EXPECT_EQ(split.substr(split.size() - 2), std::wstring(L"x\u2026"));
}
