#include "orvane_dlg.h"

#include "app_folder.h"
#include "orvane_app.h"
#include "player_settings.h"
#include "resource.h"
#include "site_urls.h"

INT_PTR COrvaneDlg::DoModal() {
    return DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_ORVANE_DIALOG), nullptr, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK COrvaneDlg::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<COrvaneDlg*>(lParam)->window_ = window;
    }
    auto* self = reinterpret_cast<COrvaneDlg*>(GetWindowLongPtrW(window, DWLP_USER));
    return self && self->OnMessage(message, wParam, lParam);
}

bool COrvaneDlg::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        return true;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return true;
    case WM_CLOSE:
        EndDialog(window_, IDCANCEL);
        return true;
    }
    return false;
}

void COrvaneDlg::OnInitDialog() {
    SilenceNavigationSound(registry_);
    RemoveAutostartValue(registry_);
    SetWindowTextW(window_, kMainWindowTitle);
    // The hidden check box mirrors "Play"; checked stands for 0.
    CheckDlgButton(window_, IDC_PLAY_ON_START,
                   ReadPlaySetting(registry_) ? BST_UNCHECKED : BST_CHECKED);
    MoveToTopRight();
    WriteRadioDirectoryAndTickerUrl(registry_, GetAppFolder(), SiteBaseUrl(registry_));
}

void COrvaneDlg::OnCommand(int controlId, int notifyCode) {
    // Enter and Escape do not close the player; only closing the window does.
    if (controlId == IDC_PLAY_ON_START && notifyCode == BN_CLICKED) {
        StorePlaySetting(registry_, IsDlgButtonChecked(window_, IDC_PLAY_ON_START) ? 0 : 1);
    }
}

void COrvaneDlg::MoveToTopRight() {
    RECT client;
    GetClientRect(window_, &client);
    const int x = GetSystemMetrics(SM_CXSCREEN) - (client.right - client.left) - 2;
    SetWindowPos(window_, nullptr, x, 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
