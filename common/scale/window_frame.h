#pragma once
// The frame the system draws around a window's inside, and the size of a
// framed window at a display scale. The inside is what the skin fills and
// lays out, so it is what scales; the frame is the system's own and does
// not grow alike (under Wine a sizing frame is 3 pixels a side at 100% and 4
// at both 150% and 200%). A framed window's size is its inside, scaled,
// with the frame of its monitor's scale around it.

#include "common/scale/display_scale.h"

#include <windows.h>

// A size the system draws with (GetSystemMetrics' SM_...) at `scale`.
int SystemMetricAt(int index, const DisplayScale& scale);

// The size of a window of `window`'s styles at `scale` whose inside is that
// of a window `at100` large at 100%, times the scale. At 100% it is `at100`.
SIZE FramedWindowSize(HWND window, SIZE at100, const DisplayScale& scale);

// Back: the size at 100% of `window`, whose inside is `inside` at `scale`.
SIZE FramedSizeAt100(HWND window, SIZE inside, const DisplayScale& scale);
