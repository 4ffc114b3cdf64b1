#pragma once
// One favourite station.

#include <string>

struct FavoriteEntry {
    std::wstring name;  // the key: two favourites never share a name (exact comparison)
    std::wstring homepage;
    std::wstring streamlink;
    std::wstring banner;
    bool checked = false;  // the row's check box; never stored
};
