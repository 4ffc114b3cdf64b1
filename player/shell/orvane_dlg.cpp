#include "orvane_dlg.h"

#include "app_folder.h"
#include "orvane_app.h"
#include "player_settings.h"
#include "resource.h"
#include "site_urls.h"

COrvaneDlg::COrvaneDlg() : CBitmapDialog(IDD_ORVANE_DIALOG, nullptr) {
    SetKeyColour(RGB(255, 0, 255));
    transparentStatics = false;
}

std::optional<LRESULT> COrvaneDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        End(IDCANCEL);
        return 0;
    }
    return CBitmapDialog::OnMessage(message, wParam, lParam);
}

bool COrvaneDlg::OnInitDialog() {
    SilenceNavigationSound(registry_);
    RemoveAutostartValue(registry_);
    SetText(kMainWindowTitle);
    // The hidden check box mirrors "Play"; checked stands for 0.
    CheckDlgButton(hwnd_, IDC_PLAY_ON_START,
                   ReadPlaySetting(registry_) ? BST_UNCHECKED : BST_CHECKED);
    MoveToTopRight();
    WriteRadioDirectoryAndTickerUrl(registry_, GetAppFolder(), SiteBaseUrl(registry_));
    return true;
}

bool COrvaneDlg::OnCommand(int id, int notifyCode) {
    if (id == IDC_PLAY_ON_START && notifyCode == BN_CLICKED) {
        StorePlaySetting(registry_, IsDlgButtonChecked(hwnd_, IDC_PLAY_ON_START) ? 0 : 1);
    }
    // Enter and Escape do not close the player; only closing the window does.
    return true;
}

void COrvaneDlg::MoveToTopRight() const {
    const RECT client = ClientRect();
    MoveTo(GetSystemMetrics(SM_CXSCREEN) - client.right - 2, 2);
}
