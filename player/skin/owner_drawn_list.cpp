#include "skin/owner_drawn_list.h"

#include "common/window/device_context.h"
#include "common/window/mem_dc.h"
#include "skin/resizing_dialog.h"

#include <commctrl.h>

#include <algorithm>

namespace {

constexpr int kRowHeight = 18;
constexpr int kPictureWidth = 23;
constexpr int kPictureHeight = 18;
constexpr int kPictureInset = 2;
constexpr int kFontPixels = 11;

}  // namespace

HFONT CreateListFont(const DisplayScale& scale) {
    LOGFONTW font{};
    // 8.5 points at 100%, 11 pixels, growing as every other size of the
    // skin does: a name takes the same share of its column at every scale,
    // which rounding the points at each scale would not keep.
    font.lfHeight = -scale.Scale(kFontPixels);
    font.lfCharSet = DEFAULT_CHARSET;
    wcscpy_s(font.lfFaceName, L"Arial");
    return CreateFontIndirectW(&font);
}

POINT PointerIn(HWND window) {
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    return point;
}

void AskForRowHeightAgain(HWND list) {
    RECT rect{};
    GetWindowRect(list, &rect);
    WINDOWPOS position{};
    position.hwnd = list;
    position.cx = rect.right - rect.left;
    position.cy = rect.bottom - rect.top;
    position.flags = SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOOWNERZORDER | SWP_NOZORDER;
    SendMessageW(list, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
}

std::optional<LRESULT> OwnerDrawnList::OnReflected(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight =
            static_cast<UINT>(WindowScale(hwnd_).Scale(kRowHeight));
        return TRUE;
    case WM_DRAWITEM:
        return TRUE;  // the whole list is painted at WM_PAINT
    }
    return Control::OnReflected(message, wParam, lParam);
}

void OwnerDrawnList::SetRowCount(std::size_t rows) const {
    Send(LVM_SETITEMCOUNT, rows, 0);
    Invalidate(false);
}

int OwnerDrawnList::ColumnWidth(int column) const {
    return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, column));
}

void OwnerDrawnList::SetColumnWidth(int column, int width) const {
    Send(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0));
}

ListCell OwnerDrawnList::CellAtPoint(POINT client) const {
    return CellAt(Columns(), client.x, client.y);
}

void OwnerDrawnList::SetUpColumns(const wchar_t* first, int firstWidth, const wchar_t* second,
                                  int secondWidth) {
    firstWidth_ = firstWidth;
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    SetRowCount(0);
    Send(LVM_DELETECOLUMN, 1);
    Send(LVM_DELETECOLUMN, 0);
    int index = 0;
    for (auto [header, width] : {std::pair{first, firstWidth}, std::pair{second, secondWidth}}) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(header);
        column.cx = WindowScale(hwnd_).Scale(width);
        Send(LVM_INSERTCOLUMNW, index++, reinterpret_cast<LPARAM>(&column));
    }
    if (!font_) font_.Reset(CreateListFont(WindowScale(hwnd_)));
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    Send(LVM_SETBKCOLOR, 0, kPaneColour);
}

void OwnerDrawnList::OnScaleChanged() {
    const DisplayScale scale = WindowScale(hwnd_);
    SetColumnWidth(0, scale.Scale(firstWidth_));
    font_.Reset(CreateListFont(scale));
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);  // asks for the row height
}

void OwnerDrawnList::CreateTooltip(const wchar_t* text, int initialMs, int autoPopMs) {
    if (tooltip_.Exists()) return;
    tooltip_.CreateBalloon(hwnd_, text);
    tooltip_.SetDelays(initialMs, autoPopMs);
}

LRESULT OwnerDrawnList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_SETCURSOR: {
        POINT point{};
        GetCursorPos(&point);
        ScreenToClient(hwnd_, &point);
        if (CellAtPoint(point) == ListCell::None) break;
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    case WM_LBUTTONDOWN:
        // The list-view's own click only moves a selection that is never
        // drawn here, and under Wine moving it off a row of a virtual list
        // visits every row: 10,000 stations held the window 30-40 ms at
        // a click on a quiet machine, longer on a busy one.
        // The click keeps what the user sees of it, the focus for the wheel.
        SetFocus(hwnd_);
        OnLButtonDown(PointFromLParam(lParam));
        return 0;
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
        // The list scrolls by copying pixels; the whole list is painted
        // afresh instead, as one picture.
        Invalidate(false);
        break;
    case WM_SETFONT: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        AskForRowHeightAgain(hwnd_);
        return result;
    }
    }
    return DefaultProc(message, wParam, lParam);
}

void OwnerDrawnList::Paint() {
    PaintDC paint(hwnd_);
    const RECT client = ClientRect();
    CMemDC dc(paint, client);
    ScopedBrush background(CreateSolidBrush(kPaneColour));
    FillRect(dc, &client, background.Get());
    if ((Style() & LVS_TYPEMASK) != LVS_REPORT) return;

    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    SelectedObject font(dc, font_.Get());
    MemoryDC pictures(dc);
    const ListColumns columns = Columns();
    const std::size_t first = static_cast<std::size_t>(Send(LVM_GETTOPINDEX));
    // The row cut off at the bottom is drawn too.
    const std::size_t onPage = static_cast<std::size_t>(Send(LVM_GETCOUNTPERPAGE)) + 1;
    const std::size_t end = std::min(RowCount(), first + onPage);
    for (std::size_t row = first; row < end; ++row) PaintRow(dc, pictures, row, columns);
}

void OwnerDrawnList::PaintRow(HDC dc, HDC pictures, std::size_t row,
                              const ListColumns& columns) const {
    RECT item{};
    item.left = LVIR_BOUNDS;
    if (!Send(LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item))) return;

    const int firstLeft = -columns.scrollX;
    RECT name{firstLeft + columns.firstWidth, item.top,
              firstLeft + columns.firstWidth + columns.secondWidth, item.bottom};
    const std::wstring_view text = RowName(row);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &name,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);

    const HBITMAP picture = RowPicture(row);
    if (!picture) return;
    BITMAP size{};
    if (!GetObjectW(picture, sizeof(size), &size)) return;
    // Never more than the picture has, nor past the row into the next one.
    const DisplayScale scale = WindowScale(hwnd_);
    const int inset = scale.Scale(kPictureInset);
    const int width = std::min<int>(scale.Scale(kPictureWidth), size.bmWidth);
    const int height = std::min<int>({scale.Scale(kPictureHeight), static_cast<int>(size.bmHeight),
                                      static_cast<int>(item.bottom - item.top) - inset});
    SelectedObject selection(pictures, picture);
    BitBlt(dc, firstLeft + inset, item.top + inset, width, height, pictures, 0, 0, SRCCOPY);
}

void OwnerDrawnList::OnLButtonDown(POINT point) {
    LVHITTESTINFO hit{};
    hit.pt = point;
    const LRESULT row = Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (row < 0 || static_cast<std::size_t>(row) >= RowCount()) return;
    const ListCell cell = CellAtPoint(point);
    if (cell != ListCell::None) OnCellClicked(static_cast<std::size_t>(row), cell);
}

ListColumns OwnerDrawnList::Columns() const {
    return {ColumnWidth(0), ColumnWidth(1), GetScrollPos(hwnd_, SB_HORZ),
            static_cast<int>(ClientRect().bottom)};
}
