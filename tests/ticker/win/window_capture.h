#pragma once
// Pixels of a window's client area as the screen shows them, for checking
// that the ticker's text moves left, and a BMP file of them to look at.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // top row first, 0x00RRGGBB

    // Whether any pixel of the columns [left, right) differs from `other`;
    // captures of different sizes always differ.
    bool DiffersIn(const Capture& other, int left, int right) const;
    // How far the picture in the columns [left, right) has moved left since
    // `earlier`: the smallest shift of at most half the band under which
    // every row matches, and only when what matches holds more than one
    // colour (drawn text, not a bare background). Nothing when no shift
    // explains the change or the captures differ in size.
    std::optional<int> ShiftLeftSince(const Capture& earlier, int left, int right) const;
    bool SaveBmp(const std::wstring& path) const;
};

Capture CaptureClient(HWND window);
