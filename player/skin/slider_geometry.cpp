#include "skin/slider_geometry.h"

namespace {

constexpr int kLeadingMargin = 13;
constexpr int kTrailingMargin = 14;

int ThumbStart(double fraction, int clientStart, int clientLength, int thumbLength,
               const DisplayScale& scale) {
    const int leading = scale.Scale(kLeadingMargin);
    const int track = clientLength - leading - scale.Scale(kTrailingMargin);
    return static_cast<int>(fraction * track) - thumbLength / 2 + clientStart + leading;
}

}  // namespace

PixelRect ThumbRect(const SliderRange& range, const PixelRect& client, int thumbWidth,
                    int thumbHeight, bool vertical, const DisplayScale& scale) {
    const int span = range.maximum - range.minimum;
    const double fraction = span == 0 ? 0.0 : double(range.position - range.minimum) / span;
    if (vertical) {
        const int top = ThumbStart(fraction, client.top, client.Height(), thumbHeight, scale);
        return {client.left, top, client.left + thumbWidth, top + thumbHeight};
    }
    const int left = ThumbStart(fraction, client.left, client.Width(), thumbWidth, scale);
    return {left, client.top, left + thumbWidth, client.top + thumbHeight};
}

TipFlags DecodeTipFlags(unsigned flags) {
    const bool follows = (flags & kTipFollowThumb) != 0;
    return {follows || (flags & kTipShowValue) != 0, follows};
}
