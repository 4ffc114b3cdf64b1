#pragma once
// Keeps the right button away from the windows of an embedded control (a web
// browser has its own context menu, which the player does not offer). The
// messages are taken out of the thread's queue before any window sees them,
// so this works under a modal dialog's loop too. Other mouse messages over
// the control can be watched on the way, for a tooltip.

#include <windows.h>

#include <functional>

class RightButtonFilter {
public:
    using MouseWatcher = std::function<void(const MSG&)>;

    RightButtonFilter() = default;
    ~RightButtonFilter() { Stop(); }
    RightButtonFilter(const RightButtonFilter&) = delete;
    RightButtonFilter& operator=(const RightButtonFilter&) = delete;

    // Filters `control` and every window inside it, from now until Stop.
    bool Start(HWND control, MouseWatcher watcher = nullptr);
    void Stop();

private:
    static LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam);
    bool Covers(HWND window) const;

    HHOOK hook_ = nullptr;    // owned
    HWND control_ = nullptr;  // not owned
    MouseWatcher watcher_;
};
