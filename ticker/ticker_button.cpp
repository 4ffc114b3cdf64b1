#include "ticker/ticker_button.h"

#include "common/helpers/contained_call.h"

#include "common/com/com_module.h"
#include "common/scale/window_scale.h"
#include "common/window/device_context.h"
#include "ticker/ticker_picture.h"

#include <commctrl.h>

bool TickerButton::Create(HWND parent, int id, const RECT& bounds, int bitmapId,
                          HCURSOR cursor) {
    cursor_ = cursor;
    bitmapId_ = bitmapId;
    LoadPicture(WindowScale(parent));
    window_ = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, bounds.left,
                              bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              ComModule::Instance(), nullptr);
    if (!window_) return false;
    return SetWindowSubclass(window_, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void TickerButton::LoadPicture(const DisplayScale& scale) {
    bitmap_ = GdiObject<HBITMAP>(LoadTickerPicture(bitmapId_, scale));
    BITMAP info{};
    bitmapSize_ = {};
    if (bitmap_ && GetObjectA(bitmap_.Get(), sizeof(info), &info)) {
        bitmapSize_ = {info.bmWidth, info.bmHeight};
    }
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void TickerButton::Move(const RECT& bounds) const {
    MoveWindow(window_, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, TRUE);
}

// The ticker window paints the strip behind the buttons; the button asks it
// to paint into its own context, shifted to where the button sits.
void TickerButton::PaintParentBackground(HDC dc) {
    HWND parent = GetParent(window_);
    POINT origin{0, 0};
    MapWindowPoints(window_, parent, &origin, 1);
    POINT previous;
    SetWindowOrgEx(dc, origin.x, origin.y, &previous);
    SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SetWindowOrgEx(dc, previous.x, previous.y, nullptr);
}

void TickerButton::Draw(const DRAWITEMSTRUCT& item) {
    PaintParentBackground(item.hDC);
    if (!bitmap_) return;
    const RECT& area = item.rcItem;
    int x = area.left + (area.right - area.left - bitmapSize_.cx) / 2;
    int y = area.top + (area.bottom - area.top - bitmapSize_.cy) / 2;
    if (item.itemState & ODS_SELECTED) {
        ++x;
        ++y;
    } else if (hover_) {
        --y;
    }
    MemoryDC source(item.hDC);
    SelectedObject selected(source, bitmap_.Get());
    BitBlt(item.hDC, x, y, bitmapSize_.cx, bitmapSize_.cy, source.Get(), 0, 0, SRCCOPY);
}

void TickerButton::SetHover(bool hover) {
    if (hover_ == hover) return;
    hover_ = hover;
    InvalidateRect(window_, nullptr, FALSE);
}

LRESULT TickerButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;  // Draw paints the background with the image
    case WM_LBUTTONDBLCLK:
        // A quick second click presses the button again instead of
        // producing a double-click notification.
        return DefSubclassProc(window_, WM_LBUTTONDOWN, wParam, lParam);
    case WM_MOUSEMOVE: {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_, 0};
        TrackMouseEvent(&track);
        SetHover(true);
        break;
    }
    case WM_MOUSELEAVE:
    case WM_CANCELMODE:
        SetHover(false);
        break;
    case WM_ENABLE:
        if (!wParam) SetHover(false);
        break;
    case WM_SETCURSOR:
        if (cursor_) {
            SetCursor(cursor_);
            return TRUE;
        }
        break;
    }
    return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT CALLBACK TickerButton::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* button = reinterpret_cast<TickerButton*>(self);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, SubclassProc, 0);
        button->window_ = nullptr;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return ContainedCall([&] { return button->HandleMessage(message, wParam, lParam); },
                         LRESULT{0});
}
