#include "common/window/right_button_filter.h"

#include "common/helpers/contained_call.h"

#include <vector>

namespace {

// The filters of this thread; the hook procedure gets no context of its own.
thread_local std::vector<RightButtonFilter*> filters;

bool IsRightButton(UINT message) {
    switch (message) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_CONTEXTMENU:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool RightButtonFilter::Start(HWND control, MouseWatcher watcher) {
    Stop();
    hook_ = SetWindowsHookExW(WH_GETMESSAGE, OnGetMessage, nullptr, GetCurrentThreadId());
    if (!hook_) return false;
    control_ = control;
    watcher_ = std::move(watcher);
    filters.push_back(this);
    return true;
}

void RightButtonFilter::Stop() {
    if (!hook_) return;
    UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    std::erase(filters, this);
}

bool RightButtonFilter::Covers(HWND window) const {
    return window && (window == control_ || IsChild(control_, window));
}

LRESULT CALLBACK RightButtonFilter::OnGetMessage(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        MSG& message = *reinterpret_cast<MSG*>(lParam);
        for (RightButtonFilter* filter : filters) {
            if (!filter->Covers(message.hwnd)) continue;
            if (IsRightButton(message.message)) {
                message.message = WM_NULL;
            } else if (filter->watcher_ && message.message >= WM_MOUSEFIRST &&
                       message.message <= WM_MOUSELAST) {
                RanContained([&] { filter->watcher_(message); });
            }
            break;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
