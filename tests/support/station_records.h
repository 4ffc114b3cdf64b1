#pragma once
// A directory's table as StationInfo records and back, for checks that walk
// or write out the stations one by one.

#include "host/station_table.h"

#include <vector>

inline std::vector<StationInfo> StationsOf(const StationTable& table) {
    std::vector<StationInfo> stations;
    for (std::size_t index = 0; index < table.size(); ++index) stations.push_back(table[index]);
    return stations;
}

inline StationTable TableOf(const std::vector<StationInfo>& stations) {
    StationTable table;
    for (const StationInfo& station : stations) table.Add(station);
    table.Compact();
    return table;
}
