#pragma once
// The station the next scheduled recording will take: the one the main window
// last started while the scheduler pane existed.

#include "host/station_info.h"

#include <string_view>

// Shown on the pane's station link while no station is chosen.
inline constexpr wchar_t kNoStationChosen[] = L"Select radio station";

class SchedulerStation {
public:
    // An empty name forgets the station: the name goes back to "Select radio
    // station" and the addresses to empty.
    void SetStation(std::wstring_view name, std::wstring_view homepage, std::wstring_view banner,
                    std::wstring_view streamlink);

    // Name, homepage, banner and stream address; the other fields stay empty.
    const StationInfo& Current() const { return current_; }

private:
    StationInfo current_ = NoStation();

    static StationInfo NoStation();
};
