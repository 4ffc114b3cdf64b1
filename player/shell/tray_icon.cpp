#include "shell/tray_icon.h"

#include "host/player_messages.h"
#include "res/resource.h"
#include "shell/orvane_app.h"
#include "shell/tray_tip.h"

#include <shellapi.h>

#include <cwchar>

namespace {

constexpr UINT kTrayIconId = IDI_PLAYER;

NOTIFYICONDATAW IconData(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = kTrayIconId;
    return data;
}

void CopyTip(NOTIFYICONDATAW& data, const std::wstring& tip) {
    wcsncpy_s(data.szTip, tip.empty() ? kMainWindowTitle : tip.c_str(), _TRUNCATE);
}

}  // namespace

void TrayIcon::Add(HWND window) {
    window_ = window;
    NOTIFYICONDATAW data = IconData(window_);
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = WM_TRAY_NOTIFY;
    // The notification area shows small icons at the system's scale: the
    // icon file's 16, 32 or 48-pixel picture nearest that size, not the
    // 32-pixel one shrunk.
    data.hIcon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PLAYER),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    CopyTip(data, tip_);
    // Already there (a hide after a hide): it only needs its details again.
    if (added_ && Shell_NotifyIconW(NIM_MODIFY, &data)) return;
    added_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void TrayIcon::Remove() {
    if (!added_) return;
    NOTIFYICONDATAW data = IconData(window_);
    Shell_NotifyIconW(NIM_DELETE, &data);
    added_ = false;
}

void TrayIcon::ShowNowPlaying(const std::wstring& station, const std::wstring& title) {
    NOTIFYICONDATAW data = IconData(window_);
    tip_ = station.empty() ? std::wstring() : TrayTip(station, title, std::size(data.szTip) - 1);
    if (!added_) return;
    data.uFlags = NIF_TIP;
    CopyTip(data, tip_);
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

void TrayIcon::ShowMenu() const {
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TRAY_MENU));
    if (!menu) return;
    HMENU popup = GetSubMenu(menu, 0);
    SetMenuDefaultItem(popup, ID_TRAY_OPEN, FALSE);
    POINT cursor{};
    GetCursorPos(&cursor);
    // The window must be in front, or the menu stays open after a click
    // elsewhere.
    SetForegroundWindow(window_);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, window_, nullptr);
    PostMessageW(window_, WM_NULL, 0, 0);
    DestroyMenu(menu);
}
