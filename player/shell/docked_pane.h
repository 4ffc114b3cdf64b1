#pragma once
// A pane of the main window (station browser, favourites, recorder,
// scheduler, info, search): a window of its own, made on first use, shown
// beside the main window and hidden, never destroyed before it. The main
// window tells each pane what it may care about; a pane overrides only that.

#include "pane_placement.h"
#include "station_info.h"

#include <windows.h>

#include <memory>
#include <vector>

class DockedPane {
public:
    virtual ~DockedPane() = default;

    virtual HWND PaneWindow() const = 0;
    virtual PaneSize Size() const = 0;

    // A copy of the directory after each refresh.
    virtual void SetStations(const std::vector<StationInfo>& /*stations*/) {}
    // The station that became current.
    virtual void OnStationChanged(const StationInfo& /*station*/) {}
    // A recording played through the main window's player stopped playing.
    virtual void OnRecordingPlaybackStopped() {}
    // The recorder ended a scheduled recording.
    virtual void MarkRunningDone() {}
    // The recorder could not start the scheduled recording with this id.
    virtual void MarkStartFailed(unsigned /*id*/) {}
};

class StationPlayer;

// Makes the pane for the main window `owner`, which plays the stations the
// panes choose through `player`; null for a pane this build does not have.
std::unique_ptr<DockedPane> CreateDockedPane(PaneKind pane, HWND owner, StationPlayer& player);
