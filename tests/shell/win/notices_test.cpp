#include "download_notice_dlg.h"

#include <gtest/gtest.h>

#include <string>
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

}  // namespace
