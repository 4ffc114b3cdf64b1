#include "skin/list_cell_zone.h"

namespace {

constexpr int kInset = 2;

bool Contains(const PixelRect& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

}  // namespace

PixelRect CellZone(const ListColumns& columns, int column) {
    const int left = (column == 0 ? 0 : columns.firstWidth) - columns.scrollX;
    const int width = column == 0 ? columns.firstWidth : columns.secondWidth;
    return {left + kInset, kInset, left + width - kInset, columns.clientHeight - kInset};
}

ListCell CellAt(const ListColumns& columns, int x, int y) {
    if (Contains(CellZone(columns, 0), x, y)) return ListCell::First;
    if (Contains(CellZone(columns, 1), x, y)) return ListCell::Second;
    return ListCell::None;
}
