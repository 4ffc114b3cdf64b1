#include "favorites/favorites_list.h"

#include <algorithm>

namespace {

FavoriteEntry Unchecked(const FavoriteEntry& entry) {
    FavoriteEntry copy = entry;
    copy.checked = false;
    return copy;
}

}  // namespace

bool FavoritesList::AddFavorite(const FavoriteEntry& entry) {
    const auto found = Find(entry.name);
    if (found != entries_.end()) {
        std::rotate(entries_.begin(), found, found + 1);
        return false;
    }
    entries_.insert(entries_.begin(), Unchecked(entry));
    return true;
}

bool FavoritesList::AppendFavorite(const FavoriteEntry& entry) {
    if (Find(entry.name) != entries_.end()) return false;
    entries_.push_back(Unchecked(entry));
    return true;
}

std::size_t FavoritesList::RemoveCheckedFavorites() {
    return std::erase_if(entries_, [](const FavoriteEntry& entry) { return entry.checked; });
}

void FavoritesList::ToggleChecked(std::size_t row) {
    if (row < entries_.size()) entries_[row].checked = !entries_[row].checked;
}

std::vector<FavoriteEntry>::iterator FavoritesList::Find(std::wstring_view name) {
    return std::find_if(entries_.begin(), entries_.end(),
                        [name](const FavoriteEntry& entry) { return entry.name == name; });
}
