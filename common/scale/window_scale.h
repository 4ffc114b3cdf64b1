#pragma once
// The display scale of the monitor a window is on.

#include "common/scale/display_scale.h"

#include <windows.h>

// Windows 10 tells each window its monitor's DPI; older systems have one
// DPI for the whole screen.
DisplayScale WindowScale(HWND window);
