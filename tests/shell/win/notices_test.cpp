#include "common/scale/window_scale.h"
#include "recording/recorder/important_dlg.h"
#include "res/web_pane_ids.h"
#include "shell/download_notice_dlg.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::wstring> seenTexts;
std::wstring seenCaption;

BOOL CALLBACK CollectText(HWND control, LPARAM) {
    wchar_t text[256]{};
    GetWindowTextW(control, text, 256);
    seenTexts.emplace_back(text);
    return TRUE;
}

// Runs inside the notice's modal loop: reads what it shows, then presses OK.
void CALLBACK ReadAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND notice = GetActiveWindow();
    if (!notice) return;
    wchar_t caption[256]{};
    GetWindowTextW(notice, caption, 256);
    seenCaption = caption;
    EnumChildWindows(notice, CollectText, 0);
    PostMessageW(notice, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

template <class Notice>
INT_PTR ShowNotice() {
    seenTexts.clear();
    seenCaption.clear();
    SetTimer(nullptr, 0, 300, ReadAndClose);
    return Notice(nullptr).DoModal();
}

bool Shows(const std::wstring& text) {
    return std::find(seenTexts.begin(), seenTexts.end(), text) != seenTexts.end();
}

TEST(Notices, TheDirectXNoticeShowsItsTextLinkAndOk) {
    EXPECT_EQ(ShowNotice<CDlgDxWarning>(), IDOK);
    EXPECT_TRUE(Shows(L"Velmora recorder need 'DirectX9.0' to be installed."));
    EXPECT_TRUE(Shows(L"Download DirectX 9.0"));
    EXPECT_TRUE(Shows(L"OK"));
}

TEST(Notices, TheMediaPlayerNoticeShowsItsCaptionTextLinkAndOk) {
    EXPECT_EQ(ShowNotice<CDlgWMPErr>(), IDOK);
    EXPECT_EQ(seenCaption, L"VelmoraRadio Error");
    EXPECT_TRUE(Shows(L"VelmoraRadio need Windows Media Player 10.0 to be installed!"));
    EXPECT_TRUE(Shows(L"Download Windows Media Player 10.0"));
    EXPECT_TRUE(Shows(L"Ok"));
}

RECT ClientPlace(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// The height the static control needs for its text, wrapped as it wraps it.
int WrappedTextHeight(HWND control) {
    wchar_t text[1024]{};
    GetWindowTextW(control, text, 1024);
    RECT place = ClientPlace(control);
    OffsetRect(&place, -place.left, -place.top);
    HDC dc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text, -1, &place, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return place.bottom;
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

TEST(Notices, TheRecordingInstructionsFitTheirPanelAndTheCloseButtonHidesThem) {
    CDlgImportant instructions(nullptr);
    instructions.ShowCentred();
    Pump();
    const HWND window = FindWindowW(nullptr, L"How to record");
    ASSERT_NE(window, nullptr);
    const HWND text = GetDlgItem(window, IDC_IMPORTANT_TEXT);
    wchar_t words[1024]{};
    GetWindowTextW(text, words, 1024);
    EXPECT_NE(std::wstring(words).find(L"Press Rec to record"), std::wstring::npos);
    const RECT textPlace = ClientPlace(text);
    // The picture's light panel ends at row 108; below it the text would
    // run into the frame and out of the window.
    EXPECT_LE(textPlace.top + WrappedTextHeight(text), 108);

    PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_IMPORTANT_CLOSE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_IMPORTANT_CLOSE)));
    Pump();
    EXPECT_FALSE(IsWindowVisible(window));
    instructions.ShowCentred();
    EXPECT_TRUE(IsWindowVisible(window)) << "the help button shows the same window again";
}

TEST(Notices, TheRecordingInstructionsGoWhereTheSystemSuggestsOnAnotherMonitor) {
    CDlgImportant instructions(nullptr);
    instructions.ShowCentred();
    Pump();
    const HWND window = FindWindowW(nullptr, L"How to record");
    ASSERT_NE(window, nullptr);
    const DisplayScale scale = WindowScale(window);
    // The suggestion's size is the system's guess; the window's own comes
    // from its skin at the scale.
    RECT suggested{37, 53, 37 + 100, 53 + 40};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(scale.Dpi(), scale.Dpi()),
                 reinterpret_cast<LPARAM>(&suggested));
    Pump();
    RECT place{};
    GetWindowRect(window, &place);
    EXPECT_EQ(std::pair(place.left, place.top), std::pair(37L, 53L)) << "its top-left corner";
    EXPECT_EQ(place.right - place.left, scale.Scale(415));
    EXPECT_EQ(place.bottom - place.top, scale.Scale(112));
}

}  // namespace
