#include "directory/station_categories.h"

bool IsListedUnder(const StationInfo& station, unsigned mask) {
    return mask == 0 || (station.catid & mask) != 0;
}

std::vector<std::size_t> StationsInCategory(const std::vector<StationInfo>& stations,
                                            unsigned mask) {
    std::vector<std::size_t> listed;
    for (std::size_t index = 0; index < stations.size(); ++index) {
        if (IsListedUnder(stations[index], mask)) listed.push_back(index);
    }
    return listed;
}
