#include "recording/recorder/pf_list_ctrl.h"

LRESULT CPFListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYUP && wParam == VK_DELETE) {
        PostMessageW(Parent(), WM_COMMAND, MAKEWPARAM(deleteCommand_, BN_CLICKED), 0);
    }
    const LRESULT result = DefaultProc(message, wParam, lParam);
    if (message == WM_VSCROLL && LOWORD(wParam) <= SB_PAGEDOWN) Invalidate(true);
    return result;
}
