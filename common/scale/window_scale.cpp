#include "common/scale/window_scale.h"

#include "common/window/device_context.h"
#include "common/window/user32_function.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up rather than imported: Windows 7 and 8 have no such function.
GetDpiForWindowFunction FindGetDpiForWindow() {
    static const auto function = FindUser32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    return function;
}

}  // namespace

DisplayScale WindowScale(HWND window) {
    if (const GetDpiForWindowFunction getDpi = FindGetDpiForWindow(); getDpi && window)
        return DisplayScale(static_cast<int>(getDpi(window)));
    ClientDC screen(nullptr);
    return DisplayScale(GetDeviceCaps(screen, LOGPIXELSY));
}
