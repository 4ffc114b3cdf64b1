#pragma once
// How much room a pane of the main window asks for, in pixels at its
// template's size.

struct PaneSize {
    int width = 0;
    int height = 0;
};
