#include "common/scale/window_frame.h"

#include "common/window/user32_function.h"

namespace {

// Windows before 10 (1607) have one scale for the whole screen and no such
// functions: the frame and metrics they give are those of that one scale,
// which is then the scale every window is at.
using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using MetricForDpi = int(WINAPI*)(int, UINT);

// Both sides of the frame together: the width it adds, and the height.
SIZE FrameSize(HWND window, const DisplayScale& scale) {
    static const auto adjustForDpi = FindUser32Function<AdjustForDpi>("AdjustWindowRectExForDpi");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto extendedStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    const BOOL menu = GetMenu(window) != nullptr;
    RECT rect{};
    if (adjustForDpi) {
        adjustForDpi(&rect, style, menu, extendedStyle, static_cast<UINT>(scale.Dpi()));
    } else {
        AdjustWindowRectEx(&rect, style, menu, extendedStyle);
    }
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

int SystemMetricAt(int index, const DisplayScale& scale) {
    static const auto metricForDpi = FindUser32Function<MetricForDpi>("GetSystemMetricsForDpi");
    return metricForDpi ? metricForDpi(index, static_cast<UINT>(scale.Dpi()))
                        : GetSystemMetrics(index);
}

SIZE FramedWindowSize(HWND window, SIZE at100, const DisplayScale& scale) {
    const SIZE frameAt100 = FrameSize(window, DisplayScale());
    const SIZE frame = FrameSize(window, scale);
    return {scale.Scale(at100.cx - frameAt100.cx) + frame.cx,
            scale.Scale(at100.cy - frameAt100.cy) + frame.cy};
}

SIZE FramedSizeAt100(HWND window, SIZE inside, const DisplayScale& scale) {
    const SIZE frameAt100 = FrameSize(window, DisplayScale());
    return {scale.Unscale(inside.cx) + frameAt100.cx, scale.Unscale(inside.cy) + frameAt100.cy};
}
