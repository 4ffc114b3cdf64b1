#include "ticker/speed_dialog.h"

#include "common/com/com_module.h"
#include "ticker/marquel_resource.h"
#include "ticker/ticker_speed.h"
#include "ticker/ticker_window.h"

#include <commctrl.h>

namespace {

void OnInitDialog(HWND dialog, TickerWindow& ticker) {
    RECT below{};
    GetWindowRect(ticker.Handle(), &below);
    SetWindowPos(dialog, nullptr, below.left, below.bottom, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendDlgItemMessageA(dialog, IDC_SPEED_SLIDER, TBM_SETPOS, TRUE,
                        SliderPositionForDelay(ticker.Delay()));
}

// Only letting go of the slider with the mouse changes the speed, so the
// delay is written once per change and not at every pixel of a drag.
void OnSliderReleased(HWND dialog, TickerWindow& ticker) {
    const auto position =
        static_cast<int>(SendDlgItemMessageA(dialog, IDC_SPEED_SLIDER, TBM_GETPOS, 0, 0));
    ticker.SetDelay(DelayForSliderPosition(position));
}

// WM_DPICHANGED is left to the dialog manager: every control here comes
// from the template, in dialog units, so the manager's own resizing, placing
// and new fonts at the new scale are all it needs.
INT_PTR CALLBACK SpeedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    auto* ticker = reinterpret_cast<TickerWindow*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!ticker) return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, *ticker);
        return TRUE;
    case WM_NCHITTEST:
        // The whole surface between the controls drags the dialog.
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, HTCAPTION);
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) PostMessageA(dialog, WM_CLOSE, 0, 0);
        return FALSE;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom == IDC_SPEED_SLIDER && header.code == NM_RELEASEDCAPTURE) {
            OnSliderReleased(dialog, *ticker);
        }
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

}  // namespace

void RunSpeedDialog(TickerWindow& ticker) {
    DialogBoxParamA(ComModule::Instance(), MAKEINTRESOURCEA(IDD_SPEED), ticker.Handle(),
                    SpeedDialogProc, reinterpret_cast<LPARAM>(&ticker));
}
