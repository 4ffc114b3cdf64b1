#include "tests/ticker/win/window_capture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

Capture CaptureClient(HWND window) {
    Capture capture;
    RECT client{};
    GetClientRect(window, &client);
    capture.width = client.right;
    capture.height = client.bottom;
    if (capture.width <= 0 || capture.height <= 0) return capture;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(window);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, capture.width, capture.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    capture.pixels.assign(first, first + capture.width * capture.height);
    for (auto& pixel : capture.pixels) pixel &= 0x00FFFFFF;
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(window, screen);
    return capture;
}

namespace {

bool MatchesShifted(const Capture& later, const Capture& earlier, int left, int right, int shift) {
    for (int y = 0; y < later.height; ++y) {
        const std::uint32_t* row = &later.pixels[y * later.width];
        const std::uint32_t* before = &earlier.pixels[y * earlier.width];
        for (int x = left; x < right - shift; ++x) {
            if (row[x] != before[x + shift]) return false;
        }
    }
    return true;
}

bool HasTwoColours(const Capture& capture, int left, int right) {
    const std::uint32_t first = capture.pixels[left];
    for (int y = 0; y < capture.height; ++y) {
        for (int x = left; x < right; ++x) {
            if (capture.pixels[y * capture.width + x] != first) return true;
        }
    }
    return false;
}

}  // namespace

std::optional<int> Capture::ShiftLeftSince(const Capture& earlier, int left, int right) const {
    if (width != earlier.width || height != earlier.height) return std::nullopt;
    left = std::max(left, 0);
    right = std::min(right, width);
    if (height == 0 || right - left < 2) return std::nullopt;
    for (int shift = 1; shift <= (right - left) / 2; ++shift) {
        if (MatchesShifted(*this, earlier, left, right, shift) &&
            HasTwoColours(*this, left, right - shift)) {
            return shift;
        }
    }
    return std::nullopt;
}

bool Capture::DiffersIn(const Capture& other, int left, int right) const {
    if (width != other.width || height != other.height) return true;
    for (int y = 0; y < height; ++y) {
        for (int x = left; x < right && x < width; ++x) {
            if (pixels[y * width + x] != other.pixels[y * width + x]) return true;
        }
    }
    return false;
}

bool Capture::SaveBmp(const std::wstring& path) const {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    const DWORD imageSize = static_cast<DWORD>(pixels.size() * sizeof(std::uint32_t));
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + imageSize;
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(pixels.data()), imageSize);
    return bool(out);
}
