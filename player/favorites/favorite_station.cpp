#include "favorites/favorite_station.h"

namespace {

// The index of the first station of that name; the table's size when none.
std::size_t FindByName(const StationTable& directory, std::wstring_view name) {
    std::size_t index = 0;
    while (index < directory.size() && directory.Name(index) != name) ++index;
    return index;
}

}  // namespace

StationInfo StationForFavorite(const FavoriteEntry& favorite, const StationTable& directory) {
    StationInfo station;
    if (const std::size_t found = FindByName(directory, favorite.name); found < directory.size()) {
        StationInfo listed = directory[found];
        station.current = std::move(listed.current);
        station.tfirst = std::move(listed.tfirst);
        station.tsecond = std::move(listed.tsecond);
    }
    station.name = favorite.name;
    station.homepage = favorite.homepage;
    station.streamlink = favorite.streamlink;
    station.banner = favorite.banner;
    return station;
}
