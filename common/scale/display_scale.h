#pragma once
// The display scale of a monitor, as its dots per inch, and the arithmetic
// that turns pixels drawn for 96 DPI into that monitor's pixels. Every
// window of the player and of the ticker scales through this one type, so a
// place, a size and the pictures drawn for them round alike.

#include "common/scale/pixel_rect.h"

class DisplayScale {
public:
    static constexpr int kBaseDpi = 96;

    constexpr DisplayScale() = default;
    // A DPI the system could not tell (zero or less) counts as 100%.
    explicit constexpr DisplayScale(int dpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

    constexpr int Dpi() const { return dpi_; }
    constexpr bool IsBase() const { return dpi_ == kBaseDpi; }

    // Rounded to the nearest pixel, halves away from zero: 13 at 150% is 20.
    constexpr int Scale(int pixels) const { return Ratio(pixels, dpi_, kBaseDpi); }
    // Back from this monitor's pixels to the skin's, for a size the user dragged.
    constexpr int Unscale(int pixels) const { return Ratio(pixels, kBaseDpi, dpi_); }
    // Origin and size scale alone, as the skin's pictures are drawn: a
    // picture of a control has the scaled size of the control's place.
    constexpr PixelRect Scale(const PixelRect& rect) const {
        return RectAt(Scale(rect.left), Scale(rect.top), Scale(rect.Width()), Scale(rect.Height()));
    }
    constexpr bool operator==(const DisplayScale&) const = default;

private:
    static constexpr int Ratio(int pixels, int numerator, int denominator) {
        // round(pixels * numerator / denominator) in integers: add half the
        // denominator to twice the product, then divide by twice the denominator.
        const long long twice = 2LL * pixels * numerator;
        const long long divisor = 2LL * denominator;
        return static_cast<int>(twice >= 0 ? (twice + denominator) / divisor
                                           : -((-twice + denominator) / divisor));
    }

    int dpi_ = kBaseDpi;
};

// The scales, in percent, the skin's and the ticker's pictures are drawn at.
inline constexpr int kSkinPercents[] = {100, 150, 200};

// Which drawing of the skin serves a display scale: the one drawn for it if
// there is one, else the next larger, which shrinks with less loss than a
// smaller one grows; above the largest, the largest.
int ChooseSkinPercent(const DisplayScale& scale);
