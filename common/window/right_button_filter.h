#pragma once
// Keeps the right button away from the windows of an embedded control (a web
// browser has its own context menu, which the player does not offer). The
// button's messages are thrown away as the thread takes them from the mouse,
// before any window sees them, so this works under a modal dialog's loop too.
// Other mouse messages over the control can be watched on the way, for a
// tooltip.
//
// A mouse hook, not a hook on every message taken from the queue: the thread
// then pays for the hook only on mouse messages (under Wine each call of a
// hook costs three requests to its server).

#include <windows.h>

#include <functional>

class RightButtonFilter {
public:
    // The message as the window gets it: position in its client area.
    using MouseWatcher = std::function<void(const MSG&)>;

    RightButtonFilter() = default;
    ~RightButtonFilter() { Stop(); }
    RightButtonFilter(const RightButtonFilter&) = delete;
    RightButtonFilter& operator=(const RightButtonFilter&) = delete;

    // Filters `control` and every window inside it, from now until Stop.
    bool Start(HWND control, MouseWatcher watcher = nullptr);
    void Stop();

private:
    static LRESULT CALLBACK OnMouse(int code, WPARAM wParam, LPARAM lParam);
    bool Covers(HWND window) const;
    void Watch(UINT message, const MOUSEHOOKSTRUCT& mouse) const;

    HHOOK hook_ = nullptr;    // owned
    HWND control_ = nullptr;  // not owned
    MouseWatcher watcher_;
};
