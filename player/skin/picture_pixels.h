#pragma once
// Between GDI bitmaps and the portable pixel grids the skin's geometry works on.

#include "skin/shape_runs.h"

#include <windows.h>

#include <optional>

std::optional<PixelGrid> ReadPixels(HBITMAP picture);
// A new DIB section holding the grid; null when GDI has no room for it.
HBITMAP MakeBitmap(const PixelGrid& grid);
