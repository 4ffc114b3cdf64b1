#include "common/window/modeless_dialogs.h"

#include "common/window/dialog.h"

#include <algorithm>
#include <vector>

namespace {

// Windows live on the one user-interface thread, and so does this state.
std::vector<Dialog*> dialogs;
HHOOK filter = nullptr;  // owned: installed while a modeless dialog exists
// IsDialogMessage offers the message to the filter again; one pass is enough.
bool routing = false;

LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == MSGF_DIALOGBOX && RouteToModelessDialog(*reinterpret_cast<MSG*>(lParam))) {
        return TRUE;
    }
    return CallNextHookEx(filter, code, wParam, lParam);
}

}  // namespace

void RegisterModelessDialog(Dialog& dialog) {
    if (std::find(dialogs.begin(), dialogs.end(), &dialog) != dialogs.end()) return;
    dialogs.push_back(&dialog);
    if (!filter) {
        filter = SetWindowsHookExW(WH_MSGFILTER, MessageFilter, nullptr, GetCurrentThreadId());
    }
}

void UnregisterModelessDialog(Dialog& dialog) {
    std::erase(dialogs, &dialog);
    if (dialogs.empty() && filter) {
        UnhookWindowsHookEx(filter);
        filter = nullptr;
    }
}

bool RouteToModelessDialog(MSG& message) {
    if (routing || !message.hwnd) return false;
    for (Dialog* dialog : dialogs) {
        const HWND window = dialog->Hwnd();
        if (!window || (message.hwnd != window && !IsChild(window, message.hwnd))) continue;
        routing = true;
        const bool taken = dialog->PreTranslateMessage(message);
        routing = false;
        return taken;
    }
    return false;
}
