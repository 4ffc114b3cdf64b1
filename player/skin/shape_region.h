#pragma once
// Window regions cut from skin pictures.

#include "common/window/gdi_object.h"

#include <windows.h>

// The picture's non-key pixels over a client area of the given size, in
// client coordinates. Used as it is for hit tests (drag strips).
ScopedRegion BuildPictureRegion(HBITMAP picture, COLORREF keyColour, int clientWidth,
                                int clientHeight);

// The window's frame (border and caption, if any) plus the picture's shape
// over its client area, in window coordinates: ready for SetWindowRgn,
// wherever the window stands.
ScopedRegion BuildShapeRegion(HWND window, HBITMAP picture, COLORREF keyColour);
