#pragma once
// An image button of the ticker's button strip: an owner-drawn push button
// that shows one picture, drawn for the display scale, on the ticker's dark
// background, without border or
// focus rectangle, pressed one pixel down and lifted one pixel while the
// pointer is over it. A click sends WM_COMMAND with its id to the ticker.

#include "common/scale/display_scale.h"
#include "common/window/gdi_object.h"

#include <windows.h>

class TickerButton {
public:
    TickerButton() = default;
    TickerButton(const TickerButton&) = delete;
    TickerButton& operator=(const TickerButton&) = delete;

    // `cursor` is a system cursor shown while the pointer is over the button,
    // or null for the parent's.
    bool Create(HWND parent, int id, const RECT& bounds, int bitmapId, HCURSOR cursor = nullptr);
    // The picture again, for the monitor's new scale.
    void LoadPicture(const DisplayScale& scale);
    void Move(const RECT& bounds) const;
    // The parent's WM_DRAWITEM for this button.
    void Draw(const DRAWITEMSTRUCT& item);
    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void SetHover(bool hover);
    void PaintParentBackground(HDC dc);

    HWND window_ = nullptr;  // a child of the ticker window, destroyed with it
    int bitmapId_ = 0;
    GdiObject<HBITMAP> bitmap_;
    SIZE bitmapSize_{};
    HCURSOR cursor_ = nullptr;  // a system cursor, not owned
    bool hover_ = false;
};
