#include "rename_edit.h"

#include "player_messages.h"

LRESULT CRenameEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYUP && wParam == VK_RETURN) PostMessageW(Parent(), WM_RENAME_DONE, 0, 0);
    return DefaultProc(message, wParam, lParam);
}
