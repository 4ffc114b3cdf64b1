#include "skin/fs_edit.h"

std::optional<LRESULT> CFSEdit::OnReflected(UINT message, WPARAM wParam, LPARAM) {
    // A read-only edit asks with the static colour message.
    if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORSTATIC) return std::nullopt;
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return reinterpret_cast<LRESULT>(white_.Get());
}

LRESULT CFSEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_LBUTTONDOWN:
        PostMessageW(Parent(), clickMessage_, 0, 0);
        break;
    case WM_SETFOCUS:
        return 0;  // no caret: the field is a label that can be clicked
    }
    return DefaultProc(message, wParam, lParam);
}
