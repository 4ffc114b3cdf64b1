#pragma once
// A rectangle of pixels, right and bottom excluded, as the skin's geometry
// computes it and the display scale scales it; the Win32 side turns it into a RECT.

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

constexpr PixelRect RectAt(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}
