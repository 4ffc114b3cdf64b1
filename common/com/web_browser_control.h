#pragma once
// The system's web browser control embedded in a dialog: opens addresses,
// reports its DWebBrowserEvents2, and keeps its own context menu away (the
// right button never reaches its windows). Where the system cannot render
// HTML, the control still exists and simply shows nothing.

#include "common/com/ole_control.h"
#include "common/window/right_button_filter.h"

#include <windows.h>

#include <string>

class WebBrowserControl {
public:
    // `place` is in the dialog's client pixels. False when the system has no
    // web browser control.
    bool Create(HWND dialog, const RECT& place, DispatchEventHandler events = nullptr,
                RightButtonFilter::MouseWatcher mouse = nullptr);
    void Navigate(const std::wstring& url) const;
    // True when `frame` (an event's browser argument) is the control's
    // top-level page rather than a frame inside it.
    bool IsTopLevel(IDispatch* frame) const;
    // The control's own window, null when it has none.
    HWND ControlWindow() const;
    void Show(bool show) const;
    // A new place in the dialog's client pixels, as the container tells an
    // in-place object.
    void Move(const RECT& place) const;
    void Close();

private:
    OleControl control_;
    RightButtonFilter rightButtons_;
};
