#pragma once
// Puts a child window on a rectangle of its parent's client area. Places are
// in the skin's pixels at 100%; they grow with the scale of the parent's
// monitor, as the parent's pictures do.

#include "common/scale/pixel_rect.h"
#include "common/scale/window_scale.h"

#include <windows.h>

#include <span>

inline void PlaceControl(HWND control, const PixelRect& place) {
    const PixelRect scaled = WindowScale(GetParent(control)).Scale(place);
    MoveWindow(control, scaled.left, scaled.top, scaled.Width(), scaled.Height(), TRUE);
}

// A template control's place in its dialog's skin, in client pixels at 100%.
struct ControlPlace {
    int id, x, y, width, height;
};

inline void PlaceControls(HWND dialog, std::span<const ControlPlace> places) {
    for (const ControlPlace& place : places)
        PlaceControl(GetDlgItem(dialog, place.id), RectAt(place.x, place.y, place.width, place.height));
}
