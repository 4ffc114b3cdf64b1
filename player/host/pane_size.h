#pragma once
// How much room a pane of the main window asks for, in pixels at the scale
// of the monitor it is on.

struct PaneSize {
    int width = 0;
    int height = 0;
};
