#pragma once
// The favourites as the list shows them, top row first. The list control
// draws these entries; its list-view items only give it the row count.

#include "favorites/favorite_entry.h"

#include <cstddef>
#include <string_view>
#include <vector>

class FavoritesList {
public:
    const std::vector<FavoriteEntry>& Entries() const { return entries_; }

    // Puts the station on top. A name that is already a favourite moves its
    // entry there unchanged: the stored addresses win over the new ones. True
    // when the list gained a row, false when an entry only moved.
    bool AddFavorite(const FavoriteEntry& entry);

    // Adds the station as the bottom row, unchecked, unless its name is
    // already a favourite; true when it was added. Loading builds the list
    // this way, so it shows the file's order.
    bool AppendFavorite(const FavoriteEntry& entry);

    // Deletes every checked entry; gives how many went.
    std::size_t RemoveCheckedFavorites();

    void ToggleChecked(std::size_t row);

private:
    std::vector<FavoriteEntry>::iterator Find(std::wstring_view name);

    std::vector<FavoriteEntry> entries_;
};
