#include "skin/dialog_font_height.h"

#include <cstdlib>

namespace {

constexpr int kPointsPerInch = 72;

// Rounded to the nearest whole, halves away from zero, as MulDiv does.
int RoundedRatio(int value, int numerator, int denominator) {
    const long long twice = 2LL * std::abs(value) * numerator;
    const int magnitude = static_cast<int>((twice + denominator) / (2LL * denominator));
    return value < 0 ? -magnitude : magnitude;
}

}  // namespace

// Scaling the pixels straight would not do: 8 points are 11 pixels at 96
// DPI but 21, not 22, at 192.
int DialogFontHeight(int height, int madeDpi, int dpi) {
    const int points = RoundedRatio(height, kPointsPerInch, madeDpi);
    return RoundedRatio(points, dpi, kPointsPerInch);
}
