#include "favorites/favorite_station.h"

#include <algorithm>

StationInfo StationForFavorite(const FavoriteEntry& favorite,
                               const std::vector<StationInfo>& directory) {
    StationInfo station;
    const auto found = std::find_if(directory.begin(), directory.end(), [&](const auto& listed) {
        return listed.name == favorite.name;
    });
    if (found != directory.end()) {
        station.current = found->current;
        station.tfirst = found->tfirst;
        station.tsecond = found->tsecond;
    }
    station.name = favorite.name;
    station.homepage = favorite.homepage;
    station.streamlink = favorite.streamlink;
    station.banner = favorite.banner;
    return station;
}
