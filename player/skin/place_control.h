#pragma once
// Puts a child window on a rectangle of its parent's client area.

#include "pixel_rect.h"

#include <windows.h>

inline void PlaceControl(HWND control, const PixelRect& place) {
    MoveWindow(control, place.left, place.top, place.Width(), place.Height(), TRUE);
}
