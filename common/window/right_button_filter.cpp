#include "common/window/right_button_filter.h"

#include "common/helpers/contained_call.h"

#include <vector>

namespace {

// The filters of this thread; the hook procedure gets no context of its own.
thread_local std::vector<RightButtonFilter*> filters;

bool IsRightButton(UINT message) {
    return message == WM_RBUTTONDOWN || message == WM_RBUTTONUP || message == WM_RBUTTONDBLCLK;
}

bool IsClientMouseMessage(UINT message) {
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}

}  // namespace

bool RightButtonFilter::Start(HWND control, MouseWatcher watcher) {
    Stop();
    hook_ = SetWindowsHookExW(WH_MOUSE, OnMouse, nullptr, GetCurrentThreadId());
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

void RightButtonFilter::Watch(UINT message, const MOUSEHOOKSTRUCT& mouse) const {
    POINT place = mouse.pt;
    ScreenToClient(mouse.hwnd, &place);
    const MSG seen{mouse.hwnd, message, 0, MAKELPARAM(place.x, place.y),
                   static_cast<DWORD>(GetMessageTime()), mouse.pt};
    RanContained([&] { watcher_(seen); });
}

// A right-button message is thrown away whether it is being taken or only
// looked at; the watcher sees a message once, as it is taken.
LRESULT CALLBACK RightButtonFilter::OnMouse(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION || code == HC_NOREMOVE) {
        const auto message = static_cast<UINT>(wParam);
        const auto& mouse = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        for (const RightButtonFilter* filter : filters) {
            if (!filter->Covers(mouse.hwnd)) continue;
            if (IsRightButton(message)) return 1;
            if (code == HC_ACTION && filter->watcher_ && IsClientMouseMessage(message))
                filter->Watch(message, mouse);
            break;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
