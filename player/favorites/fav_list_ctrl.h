#pragma once
// The favourites list of the favourites pane: per favourite a check box and
// the name. A click on the name asks to play the favourite, a click on the
// box ticks it for deletion. The list reads favorites.xml when it is set up
// and writes it whenever a favourite comes or goes, so that a shutdown or a
// crash loses none.

#include "common/window/gdi_object.h"
#include "favorites/favorites_list.h"
#include "skin/owner_drawn_list.h"

#include <functional>
#include <string>

class CFavListCtrl : public OwnerDrawnList {
public:
    explicit CFavListCtrl(std::wstring file) : file_(std::move(file)) {}

    std::function<void(const FavoriteEntry&)> onPlay;

    // Columns, font, colours, tip and check pictures, then the file.
    void InitFavoritesList();
    void AddFavorite(const FavoriteEntry& entry);
    void RemoveCheckedFavorites();
    bool LoadFavorites();
    bool SaveFavorites() const;

    const FavoritesList& Favorites() const { return favorites_; }

    // The check pictures again, drawn for the new scale.
    void OnScaleChanged() override;

protected:
    std::size_t RowCount() const override { return favorites_.Entries().size(); }
    std::wstring_view RowName(std::size_t row) const override;
    HBITMAP RowPicture(std::size_t row) const override;
    void OnCellClicked(std::size_t row, ListCell cell) override;
    void PreTranslateMessage(const MSG& message) override;

private:
    void ShowRows();
    void LoadCheckPictures();

    std::wstring file_;
    // False when the file could be read neither whole nor moved aside: it is
    // then left as it is rather than replaced by what was read of it.
    bool writable_ = true;
    FavoritesList favorites_;
    ScopedBitmap checked_;
    ScopedBitmap unchecked_;
    std::wstring tipText_;
};

// favorites.xml in the program's folder.
std::wstring FavoritesFilePath();
