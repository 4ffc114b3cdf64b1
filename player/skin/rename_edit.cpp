#include "skin/rename_edit.h"

LRESULT CRenameEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYUP && wParam == VK_RETURN) PostMessageW(Parent(), doneMessage_, 0, 0);
    return DefaultProc(message, wParam, lParam);
}
