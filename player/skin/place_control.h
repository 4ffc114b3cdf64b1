#pragma once
// Puts a child window on a rectangle of its parent's client area.

#include "skin/pixel_rect.h"

#include <windows.h>

#include <span>

inline void PlaceControl(HWND control, const PixelRect& place) {
    MoveWindow(control, place.left, place.top, place.Width(), place.Height(), TRUE);
}

// A template control's place in its dialog's skin, in client pixels.
struct ControlPlace {
    int id, x, y, width, height;
};

inline void PlaceControls(HWND dialog, std::span<const ControlPlace> places) {
    for (const ControlPlace& place : places)
        MoveWindow(GetDlgItem(dialog, place.id), place.x, place.y, place.width, place.height, TRUE);
}
