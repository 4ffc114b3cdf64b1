#pragma once
// Pixels of a window's client area as the screen shows them, for checking
// that the ticker scrolls, and a BMP file of them to look at.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // top row first, 0x00RRGGBB

    // Whether any pixel of the columns [left, right) differs from `other`.
    bool DiffersIn(const Capture& other, int left, int right) const;
    bool SaveBmp(const std::wstring& path) const;
};

Capture CaptureClient(HWND window);
