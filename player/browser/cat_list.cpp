#include "browser/cat_list.h"

#include "common/window/device_context.h"
#include "directory/station_categories.h"
#include "skin/owner_drawn_list.h"
#include "skin/resizing_dialog.h"

#include <commctrl.h>

namespace {

constexpr int kRowHeight = 13;
constexpr int kColumnWidth = 110;
constexpr int kTextInset = 2;

std::wstring ItemText(HWND list, int item) {
    wchar_t text[64] = {};
    LVITEMW request{};
    request.pszText = text;
    request.cchTextMax = 64;
    SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&request));
    return text;
}

}  // namespace

void CCatList::Fill() {
    filling_ = true;
    Send(LVM_DELETEALLITEMS);
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    Send(LVM_SETBKCOLOR, 0, kPaneColour);
    Send(LVM_SETTEXTBKCOLOR, 0, kPaneColour);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = const_cast<wchar_t*>(L"Categorie");
    Send(LVM_DELETECOLUMN, 0);
    Send(LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    OnScaleChanged();
    // Redrawing off, the list-view sets its scroll bars once, at the end,
    // not at every row: under Wine each time costs several round trips to
    // its server, on the window's thread at the browser's first opening.
    Send(WM_SETREDRAW, FALSE);
    int index = 0;
    for (const StationCategory& category : kStationCategories) {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = index++;
        item.pszText = const_cast<wchar_t*>(category.name);
        item.lParam = category.mask;
        Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    Send(WM_SETREDRAW, TRUE);
    filling_ = false;
}

void CCatList::OnScaleChanged() {
    const DisplayScale scale = WindowScale(hwnd_);
    Send(LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(scale.Scale(kColumnWidth), 0));
    font_.Reset(CreateListFont(scale));
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    AskForRowHeightAgain(hwnd_);
}

void CCatList::ClearChoice() const {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
}

std::optional<LRESULT> CCatList::OnReflected(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight =
            static_cast<UINT>(WindowScale(hwnd_).Scale(kRowHeight));
        return TRUE;
    case WM_DRAWITEM:
        DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == LVN_ITEMCHANGED) {
            OnItemChanged(*reinterpret_cast<const NMLISTVIEW*>(lParam));
        }
        break;
    }
    return Control::OnReflected(message, wParam, lParam);
}

LRESULT CCatList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR && OverText(PointerIn(hwnd_))) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    return DefaultProc(message, wParam, lParam);
}

void CCatList::DrawRow(const DRAWITEMSTRUCT& item) const {
    ScopedBrush background(CreateSolidBrush(kPaneColour));
    FillRect(item.hDC, &item.rcItem, background.Get());
    SetTextColor(item.hDC, RGB(0, 0, 0));
    SetBkMode(item.hDC, TRANSPARENT);
    SelectedObject font(item.hDC, font_.Get());
    RECT text = item.rcItem;
    text.left += kTextInset;
    const std::wstring name = ItemText(hwnd_, static_cast<int>(item.itemID));
    DrawTextW(item.hDC, name.c_str(), static_cast<int>(name.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CCatList::OnItemChanged(const NMLISTVIEW& change) const {
    const bool chosen = (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
    if (filling_ || !chosen || change.iItem < 0 || !onCategoryChosen) return;
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = change.iItem;
    if (Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) {
        onCategoryChosen(static_cast<unsigned>(item.lParam));
    }
}

bool CCatList::OverText(POINT client) const {
    LVHITTESTINFO hit{};
    hit.pt = client;
    const LRESULT item = Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (item < 0) return false;
    const std::wstring name = ItemText(hwnd_, static_cast<int>(item));
    ClientDC dc(hwnd_);
    SelectedObject font(dc, font_.Get());
    SIZE extent{};
    GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &extent);
    return client.x >= kTextInset && client.x < kTextInset + extent.cx;
}
