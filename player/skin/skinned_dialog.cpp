#include "skin/skinned_dialog.h"

#include "common/window/user32_function.h"

namespace {

// Posted to itself at WM_DPICHANGED: the window is built anew once the
// dialog manager has finished with the message.
UINT RescaleMessage() {
    static const UINT message = RegisterWindowMessageW(L"Velmora.Rescale");
    return message;
}

// On a monitor of another scale, Windows' dialog manager would resize the
// dialog and move every template control to its template place scaled. Our
// windows take their sizes and places from the skin and the main window
// places the panes, so both are switched off; the manager still gives the
// controls that use the template's font that font at the new scale, before
// our rebuild puts back the fonts of our own. Windows before 10 (1703), and
// Wine, have no such function and no per-monitor scale to follow.
// https://learn.microsoft.com/windows/win32/api/winuser/ne-winuser-dialog_dpi_change_behaviors
void KeepDialogLayoutOurs(HWND dialog) {
    using SetBehaviour = BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    static const auto setBehaviour = FindUser32Function<SetBehaviour>("SetDialogDpiChangeBehavior");
    if (!setBehaviour) return;
    const auto ours = static_cast<DIALOG_DPI_CHANGE_BEHAVIORS>(DDC_DISABLE_RESIZE |
                                                                DDC_DISABLE_CONTROL_RELAYOUT);
    setBehaviour(dialog, ours, ours);
}

}  // namespace

UINT CSkinnedDialog::RebuiltMessage() {
    static const UINT message = RegisterWindowMessageW(L"Velmora.Rebuilt");
    return message;
}

void CSkinnedDialog::ApplyMonitorScale() {
    ApplyScale();
    applied_ = Scale();
}

void CSkinnedDialog::OnScaleChanged() {
    ApplyMonitorScale();
    // The controls come after the dialog: fixed widths inside a control are
    // set over the places and widths the dialog's layout gave.
    RescaleControls();
    Invalidate();
    if (const HWND owner = GetWindow(hwnd_, GW_OWNER))
        PostMessageW(owner, RebuiltMessage(), 0, reinterpret_cast<LPARAM>(hwnd_));
}

void CSkinnedDialog::RescaleControls() const {
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (Control* control = Control::FromHandle(child)) control->OnScaleChanged();
    }
}

std::optional<LRESULT> CSkinnedDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) KeepDialogLayoutOurs(hwnd_);
    if (message == WM_DPICHANGED) {
        Post(RescaleMessage());
        return std::nullopt;  // the dialog manager's font update
    }
    if (message == RescaleMessage()) {
        OnScaleChanged();
        return 0;
    }
    if (message == RebuiltMessage()) {
        // A hidden window is placed when it shows.
        const auto owned = reinterpret_cast<HWND>(lParam);
        if (GetWindow(owned, GW_OWNER) == hwnd_ && IsWindowVisible(owned))
            PlaceOwnedWindowAgain(owned);
        return 0;
    }
    return Dialog::OnMessage(message, wParam, lParam);
}
