#pragma once
// Playing a favourite: the station handed to the main window's SelectStation.

#include "favorites/favorite_entry.h"
#include "host/station_table.h"

// The favourite's own name and addresses, with the now-playing source
// (current, tfirst, tsecond) of the first directory station of exactly that
// name. A favourite no longer in the directory still plays, without a
// now-playing title.
StationInfo StationForFavorite(const FavoriteEntry& favorite, const StationTable& directory);
