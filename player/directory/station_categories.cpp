#include "directory/station_categories.h"

bool IsListedUnder(unsigned catid, unsigned mask) {
    return mask == 0 || (catid & mask) != 0;
}

std::vector<std::size_t> StationsInCategory(const StationTable& stations, unsigned mask) {
    std::vector<std::size_t> listed;
    for (std::size_t index = 0; index < stations.size(); ++index) {
        if (IsListedUnder(stations.Category(index), mask)) listed.push_back(index);
    }
    return listed;
}
