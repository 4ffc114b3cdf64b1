#pragma once
// The main window's panes, made by kind.

#include "host/docked_pane.h"
#include "host/station_player.h"
#include "shell/pane_placement.h"

#include <windows.h>

#include <memory>

// Makes the pane for the main window `owner`, which plays the stations the
// panes choose through `player`; null for a pane this build does not have.
std::unique_ptr<DockedPane> CreateDockedPane(PaneKind pane, HWND owner, StationPlayer& player);
