#include "skin/picture_scaling.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsKey(std::uint32_t pixel, std::span<const std::uint32_t> keyColours) {
    return std::find(keyColours.begin(), keyColours.end(), pixel) != keyColours.end();
}

// How much of the old pixel `index` the span [start, end) covers.
double Coverage(int index, double start, double end) {
    return std::min<double>(index + 1, end) - std::max<double>(index, start);
}

struct Sums {
    double blue = 0, green = 0, red = 0, opaque = 0, key = 0;
    std::uint32_t lastKey = 0;

    void Add(std::uint32_t pixel, double weight, std::span<const std::uint32_t> keyColours) {
        if (IsKey(pixel, keyColours)) {
            key += weight;
            lastKey = pixel;
            return;
        }
        opaque += weight;
        blue += weight * ((pixel >> 16) & 0xFF);
        green += weight * ((pixel >> 8) & 0xFF);
        red += weight * (pixel & 0xFF);
    }

    std::uint32_t Colour() const {
        if (key > opaque) return lastKey;
        const auto channel = [this](double sum) {
            return static_cast<std::uint32_t>(std::lround(std::clamp(sum / opaque, 0.0, 255.0)));
        };
        return channel(blue) << 16 | channel(green) << 8 | channel(red);
    }
};

}  // namespace

PixelGrid ScalePicture(const PixelGrid& picture, int width, int height,
                       std::span<const std::uint32_t> keyColours) {
    PixelGrid scaled{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    if (picture.width <= 0 || picture.height <= 0) return scaled;
    const double stepX = double(picture.width) / width;
    const double stepY = double(picture.height) / height;
    for (int y = 0; y < height; ++y) {
        const double top = y * stepY, bottom = top + stepY;
        const int lastRow = std::min(picture.height, static_cast<int>(std::ceil(bottom)));
        for (int x = 0; x < width; ++x) {
            const double left = x * stepX, right = left + stepX;
            const int lastColumn = std::min(picture.width, static_cast<int>(std::ceil(right)));
            Sums sums;
            for (int row = static_cast<int>(top); row < lastRow; ++row) {
                const double rowWeight = Coverage(row, top, bottom);
                for (int column = static_cast<int>(left); column < lastColumn; ++column)
                    sums.Add(picture.At(column, row), rowWeight * Coverage(column, left, right),
                             keyColours);
            }
            scaled.pixels[static_cast<std::size_t>(y) * width + x] = sums.Colour();
        }
    }
    return scaled;
}
