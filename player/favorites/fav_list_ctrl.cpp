#include "favorites/fav_list_ctrl.h"

#include "common/ports/app_folder.h"
#include "common/scale/window_scale.h"
#include "favorites/favorites_file.h"
#include "res/skin_ids.h"
#include "skin/skin_picture.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kSelectTip[] = L"Selecteer";

}  // namespace

std::wstring FavoritesFilePath() { return GetAppFolder() + kFavoritesFileName; }

void CFavListCtrl::InitFavoritesList() {
    SetUpColumns(L"Check", 25, L"Station", 75);
    LoadCheckPictures();
    tipText_ = L"Favorietes";
    CreateTooltip(tipText_.c_str(), 600, 4000);
    LoadFavorites();
}

void CFavListCtrl::OnScaleChanged() {
    OwnerDrawnList::OnScaleChanged();
    LoadCheckPictures();
    Invalidate(false);
}

void CFavListCtrl::LoadCheckPictures() {
    checked_.Reset(LoadSkinBitmap(IDB_CHECK_ON, WindowScale(hwnd_)));
    unchecked_.Reset(LoadSkinBitmap(IDB_CHECK_OFF, WindowScale(hwnd_)));
}

void CFavListCtrl::AddFavorite(const FavoriteEntry& entry) {
    if (favorites_.AddFavorite(entry)) SaveFavorites();
    ShowRows();
}

void CFavListCtrl::RemoveCheckedFavorites() {
    if (favorites_.RemoveCheckedFavorites() > 0) SaveFavorites();
    ShowRows();
}

bool CFavListCtrl::LoadFavorites() {
    writable_ = LoadFavoritesSettingAsideBroken(file_, favorites_);
    ShowRows();
    return writable_;
}

bool CFavListCtrl::SaveFavorites() const { return writable_ && ::SaveFavorites(file_, favorites_); }

std::wstring_view CFavListCtrl::RowName(std::size_t row) const {
    return favorites_.Entries()[row].name;
}

HBITMAP CFavListCtrl::RowPicture(std::size_t row) const {
    return favorites_.Entries()[row].checked ? checked_.Get() : unchecked_.Get();
}

void CFavListCtrl::OnCellClicked(std::size_t row, ListCell cell) {
    if (cell == ListCell::First) {
        favorites_.ToggleChecked(row);
        Invalidate(false);
    } else if (onPlay) {
        // A copy: playing may change the list before the handler returns.
        onPlay(FavoriteEntry(favorites_.Entries()[row]));
    }
}

void CFavListCtrl::PreTranslateMessage(const MSG& message) {
    // The tip names the check boxes, so it shows over their column only.
    if (message.message != WM_MOUSEMOVE || !tooltip_.Exists()) return;
    if (CellAtPoint(PointFromLParam(message.lParam)) != ListCell::First) return;
    if (tipText_ != kSelectTip) {
        tipText_ = kSelectTip;
        tooltip_.SetText(tipText_.c_str());
    }
    tooltip_.Relay(message);
}

void CFavListCtrl::ShowRows() {
    SetRowCount(favorites_.Entries().size());
    Invalidate(true);
}
