#pragma once
// What the panes ask of the main window: play a station, and tell which one
// is playing. The main window implements it; the panes hold a reference for
// their whole life, which the main window outlives.

#include "host/station_info.h"

class StationPlayer {
public:
    virtual void SelectStation(const StationInfo& station) = 0;
    // The current station; an empty name while none was chosen.
    virtual StationInfo GetCurrentStation() const = 0;

protected:
    ~StationPlayer() = default;
};
