#pragma once
// Where the pointer counts in the owner-drawn station lists: each of the two
// columns answers only inside its zone, the column's span (shifted by the
// horizontal scroll) 2 pixels in from each side, and the client height 2
// pixels in from top and bottom, so a click on a cell's very edge does
// nothing.

#include "common/scale/pixel_rect.h"

enum class ListCell { None, First, Second };

struct ListColumns {
    int firstWidth = 0;
    int secondWidth = 0;
    int scrollX = 0;  // the horizontal scroll position
    int clientHeight = 0;
};

// The zone of a column (0 or 1) in client coordinates.
PixelRect CellZone(const ListColumns& columns, int column);

// The column zone a client point lies in.
ListCell CellAt(const ListColumns& columns, int x, int y);
