#include "skin/picture_pixels.h"

#include "common/window/device_context.h"

namespace {

BITMAPINFO TopDownFormat(int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

// A 32-bit DIB holds 0x00RRGGBB; the grid holds COLORREFs, 0x00BBGGRR.
std::uint32_t SwapRedAndBlue(std::uint32_t pixel) {
    return (pixel & 0xFF) << 16 | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

}  // namespace

std::optional<PixelGrid> ReadPixels(HBITMAP picture) {
    BITMAP info{};
    if (!GetObjectW(picture, sizeof(info), &info)) return std::nullopt;
    PixelGrid grid{info.bmWidth, info.bmHeight,
                   std::vector<std::uint32_t>(static_cast<size_t>(info.bmWidth) * info.bmHeight)};
    BITMAPINFO format = TopDownFormat(grid.width, grid.height);
    ClientDC screen(nullptr);
    if (GetDIBits(screen, picture, 0, static_cast<UINT>(grid.height), grid.pixels.data(), &format,
                  DIB_RGB_COLORS) != grid.height) {
        return std::nullopt;
    }
    for (auto& pixel : grid.pixels) pixel = SwapRedAndBlue(pixel);
    return grid;
}

HBITMAP MakeBitmap(const PixelGrid& grid) {
    const BITMAPINFO format = TopDownFormat(grid.width, grid.height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    auto* target = static_cast<std::uint32_t*>(bits);
    for (std::uint32_t pixel : grid.pixels) *target++ = SwapRedAndBlue(pixel);
    GdiFlush();
    return bitmap;
}
