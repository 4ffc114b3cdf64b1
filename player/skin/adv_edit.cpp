#include "skin/adv_edit.h"

void CAdvEdit::SetTooltip(const wchar_t* text) { tooltip_.CreateBalloon(hwnd_, text); }

void CAdvEdit::PreTranslateMessage(const MSG& message) {
    SetTooltip(L"Type in search word or URL");
    tooltip_.Relay(message);
}

LRESULT CAdvEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYUP:
        if (wParam == VK_RETURN && search_) search_();
        break;
    case WM_LBUTTONDOWN:
        SetText(L"");
        break;
    }
    return DefaultProc(message, wParam, lParam);
}
