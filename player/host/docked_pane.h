#pragma once
// A pane of the main window (station browser, favourites, recorder,
// scheduler, info, search): a window of its own, made on first use, shown
// beside the main window and hidden, never destroyed before it. The main
// window tells each pane what it may care about; a pane overrides only that.

#include "host/pane_size.h"
#include "host/station_info.h"
#include "host/station_table.h"

#include <windows.h>

class DockedPane {
public:
    virtual ~DockedPane() = default;

    virtual HWND PaneWindow() const = 0;
    virtual PaneSize Size() const = 0;

    // The directory after each refresh.
    virtual void SetStations(const StationList& /*stations*/) {}
    // The station that became current.
    virtual void OnStationChanged(const StationInfo& /*station*/) {}
    // A recording played through the main window's player stopped playing.
    virtual void OnRecordingPlaybackStopped() {}
    // The recorder ended a scheduled recording.
    virtual void MarkRunningDone() {}
    // The recorder could not start the scheduled recording with this id.
    virtual void MarkStartFailed(unsigned /*id*/) {}
};
