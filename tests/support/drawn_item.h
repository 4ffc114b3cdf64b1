#pragma once
// An owner-drawn control's item as the control draws it for its parent
// (WM_DRAWITEM, reflected to it), into a bitmap the test reads pixel by
// pixel: each one 0x00RRGGBB.

#include "common/window/control.h"
#include "common/window/device_context.h"
#include "common/window/gdi_object.h"

#include <windows.h>

#include <cstdint>
#include <vector>

// Item `itemId` of a control of type `type` (ODT_...) in `state` (ODS_...).
inline std::vector<std::uint32_t> DrawnItem(Control& control, UINT type, UINT itemId, UINT state,
                                            SIZE size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    MemoryDC dc(nullptr);
    std::uint32_t* bits = nullptr;
    ScopedBitmap bitmap(
        CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0));
    if (!bits) return {};
    SelectedObject selection(dc, bitmap.Get());
    DRAWITEMSTRUCT item{};
    item.CtlType = type;
    item.itemID = itemId;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = control.Hwnd();
    item.hDC = dc;
    item.rcItem = {0, 0, size.cx, size.cy};
    control.OnReflected(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    GdiFlush();
    std::vector<std::uint32_t> pixels(bits, bits + size.cx * size.cy);
    for (std::uint32_t& pixel : pixels) pixel &= 0x00FFFFFF;
    return pixels;
}

// A system colour as DrawnItem's pixels hold it.
inline std::uint32_t PixelOf(COLORREF colour) {
    return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}
