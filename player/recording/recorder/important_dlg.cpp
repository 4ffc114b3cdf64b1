#include "recording/recorder/important_dlg.h"

#include "res/skin_ids.h"
#include "res/web_pane_ids.h"
#include "skin/place_control.h"

namespace {

constexpr COLORREF kKeyColour = RGB(255, 0, 255);
constexpr COLORREF kTextBackground = RGB(236, 242, 250);
constexpr int kWidth = 415, kHeight = 112;

}  // namespace

CDlgImportant::CDlgImportant(HWND owner) : CBitmapDialog(IDD_IMPORTANT, owner) {
    SetKeyColour(kKeyColour);
    SetShaped(true);
}

void CDlgImportant::ShowCentred() {
    if (!hwnd_ && !Create()) return;
    Centre();
    Show(SW_SHOW);
}

// On the monitor the window is on, not the first one: centred again after a
// move to another monitor, it stays there.
void CDlgImportant::Centre() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT& screen = monitor.rcMonitor;
    const SIZE size = WindowSize();
    MoveTo(screen.left + (screen.right - screen.left - size.cx) / 2,
           screen.top + (screen.bottom - screen.top - size.cy) / 2);
}

bool CDlgImportant::OnInitDialog() {
    CBitmapDialog::OnInitDialog();
    AttachSkinnedButton(close_, Item(IDC_IMPORTANT_CLOSE), IDB_CLOSE, kKeyColour);
    textBrush_.Reset(CreateSolidBrush(kTextBackground));
    ApplyMonitorScale();
    return false;
}

void CDlgImportant::ApplyScale() {
    ResizeToSkin(kWidth, kHeight);
    SetBackground(IDB_INSTRUCTIONS);
    SetDragRegion(IDB_INSTRUCTIONS_DRAG);
    PlaceControl(Item(IDC_IMPORTANT_CLOSE), RectAt(401, 2, 12, 11));
    const HWND text = Item(IDC_IMPORTANT_TEXT);
    PlaceControl(text, RectAt(32, 28, 368, 177));
    LOGFONTW font{};
    if (HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)))
        GetObjectW(dialogFont, sizeof(font), &font);
    font.lfHeight = Scale().Scale(12);
    font.lfWidth = Scale().Scale(5);
    textFont_.Reset(CreateFontIndirectW(&font));
    SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.Get()), TRUE);
}

std::optional<LRESULT> CDlgImportant::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // On a monitor of another scale the window stands where the system
    // suggests; its size comes with the rebuild at the new scale.
    if (message == WM_DPICHANGED) {
        const auto& suggested = *reinterpret_cast<const RECT*>(lParam);
        MoveTo(suggested.left, suggested.top);
    }
    if ((message == WM_CTLCOLORSTATIC || message == WM_CTLCOLOREDIT) &&
        reinterpret_cast<HWND>(lParam) == Item(IDC_IMPORTANT_TEXT)) {
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(textBrush_.Get());
    }
    return CBitmapDialog::OnMessage(message, wParam, lParam);
}

bool CDlgImportant::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;
    if (id == IDC_IMPORTANT_CLOSE || id == IDOK || id == IDCANCEL) {
        Show(SW_HIDE);
        return true;
    }
    return false;
}
