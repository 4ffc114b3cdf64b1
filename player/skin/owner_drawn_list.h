#pragma once
// The look the favourites and station lists share: a report list without a
// header whose list-view items only give the row count (the list is made
// with LVS_OWNERDATA, so a fill of thousands of rows is one call), painted
// completely by this class through an off-screen buffer: per row a 23 x 18
// picture in the first column and the name in the second, rows 18 pixels
// high on the pane colour. The pointer counts in each column's zone only
// (list_cell_zone.h); over a zone it is the hand.

#include "common/window/control.h"
#include "common/window/gdi_object.h"
#include "skin/hover_tooltip.h"
#include "skin/list_cell_zone.h"
#include "common/scale/window_scale.h"

#include <cstddef>
#include <string_view>

class OwnerDrawnList : public Control {
public:
    std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The row count the list-view keeps, for scrolling and hit-testing.
    void SetRowCount(std::size_t rows) const;
    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width) const;
    ListCell CellAtPoint(POINT client) const;
    // The font, the row height and the picture column's width at the new
    // scale; the owner's layout sets the name column's width.
    void OnScaleChanged() override;

protected:
    // Empties the list and gives it its two columns, font and colours.
    void SetUpColumns(const wchar_t* first, int firstWidth, const wchar_t* second, int secondWidth);
    // The balloon tip with the skin's font and colours, made once.
    void CreateTooltip(const wchar_t* text, int initialMs, int autoPopMs);

    virtual std::size_t RowCount() const = 0;
    virtual std::wstring_view RowName(std::size_t row) const = 0;
    virtual HBITMAP RowPicture(std::size_t row) const = 0;  // null: an empty cell
    virtual void OnCellClicked(std::size_t row, ListCell cell) = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    HoverTooltip tooltip_;

private:
    void Paint();
    void PaintRow(HDC dc, HDC pictures, std::size_t row, const ListColumns& columns) const;
    void OnLButtonDown(POINT point);
    ListColumns Columns() const;

    ScopedFont font_;
    int firstWidth_ = 0;  // the picture column, in the skin's pixels
};

// The skin lists' font, Arial of 8.5 points.
HFONT CreateListFont(const DisplayScale& scale);

// Where the pointer is, in the window's client coordinates.
POINT PointerIn(HWND window);

// Owner-drawn list-views ask their parent for the row height only when they
// are made or moved; a fake move makes them ask again.
void AskForRowHeightAgain(HWND list);
