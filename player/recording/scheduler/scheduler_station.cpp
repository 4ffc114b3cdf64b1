#include "recording/scheduler/scheduler_station.h"

void SchedulerStation::SetStation(std::wstring_view name, std::wstring_view homepage,
                                  std::wstring_view banner, std::wstring_view streamlink) {
    if (name.empty()) {
        current_ = NoStation();
        return;
    }
    current_.name = name;
    current_.homepage = homepage;
    current_.banner = banner;
    current_.streamlink = streamlink;
}

StationInfo SchedulerStation::NoStation() {
    StationInfo none;
    none.name = kNoStationChosen;
    return none;
}
