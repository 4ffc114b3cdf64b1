// The recorder's source combo while the media player control plays the
// station: the stream entry is drawn greyed and never as chosen, and the
// combo's tip says why; when our engine plays it again, both come back.

#include "recording/recorder/source_combo_box.h"
#include "tests/support/drawn_item.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 16;

// Whether the combo draws entry in that state with the system colour.
bool DrawsEntryWith(CSourceComboBox& combo, int entry, UINT state, int sysColour) {
    const std::vector<std::uint32_t> pixels =
        DrawnItem(combo, ODT_COMBOBOX, static_cast<UINT>(entry), state, {kWidth, kHeight});
    return std::ranges::find(pixels, PixelOf(GetSysColor(sysColour))) != pixels.end();
}

std::wstring TipOf(HWND combo) {
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr))) {
        if (GetWindow(tip, GW_OWNER) == GetAncestor(combo, GA_ROOT)) break;
    }
    if (!tip) return L"<no tip window>";
    wchar_t text[256] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = combo;
    tool.uId = 1;
    tool.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
    return text;
}

class SourceCombo : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExW(0, L"STATIC", L"source test", WS_OVERLAPPED | WS_VISIBLE, 100,
                                  100, 300, 200, nullptr, nullptr, nullptr, nullptr);
        HWND window = CreateWindowExW(
            0, L"COMBOBOX", nullptr,
            WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 10, 10,
            kWidth, 100, parent_, nullptr, nullptr, nullptr);
        ASSERT_TRUE(combo_.Attach(window));
        for (const wchar_t* entry : {L"Radio stream (exact copy)", L"Monitor of Null Output"})
            SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        combo_.SetTooltip(L"Soundcard");
        combo_.SetCopyAvailable([this] { return available_; });
    }
    void TearDown() override { DestroyWindow(parent_); }

    void MoveOver() const { SendMessageW(combo_.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 5)); }

    HWND parent_ = nullptr;
    CSourceComboBox combo_;
    bool available_ = false;
};

TEST_F(SourceCombo, TheStreamEntryIsGreyedWithItsReasonWhileTheControlPlaysTheStation) {
    MoveOver();
    const std::wstring why = TipOf(combo_.Hwnd());
    EXPECT_NE(why.find(L"plays through Windows Media Player"), std::wstring::npos)
        << "the tip: " << testing::PrintToString(why);
    EXPECT_TRUE(DrawsEntryWith(combo_, kStreamCopyEntry, ODS_SELECTED, COLOR_GRAYTEXT))
        << "the stream entry is written in grey";
    EXPECT_FALSE(DrawsEntryWith(combo_, kStreamCopyEntry, ODS_SELECTED, COLOR_WINDOWTEXT));
    EXPECT_FALSE(DrawsEntryWith(combo_, kStreamCopyEntry, ODS_SELECTED, COLOR_HIGHLIGHT))
        << "and never drawn as the one chosen";
    EXPECT_TRUE(DrawsEntryWith(combo_, kFirstDeviceEntry, 0, COLOR_WINDOWTEXT))
        << "a sound card is not greyed";

    available_ = true;
    MoveOver();
    EXPECT_EQ(TipOf(combo_.Hwnd()), L"Soundcard");
    EXPECT_TRUE(DrawsEntryWith(combo_, kStreamCopyEntry, ODS_SELECTED, COLOR_HIGHLIGHT))
        << "the stream entry can be chosen again";
}

}  // namespace
