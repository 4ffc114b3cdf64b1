#pragma once
// Where the skinned slider draws its thumb, and what its tip flags mean.

#include "common/scale/display_scale.h"
#include "common/scale/pixel_rect.h"

struct SliderRange {
    int minimum = 0;
    int maximum = 0;
    int position = 0;
};

// The thumb's centre runs from 13 pixels after the start of the client area
// to 14 pixels before its end, so a 29-pixel thumb loses one column at the
// minimum, as the skin's pictures expect; both margins grow with the display
// scale, as the pictures do. An empty range puts the thumb at the start
// rather than dividing by zero.
PixelRect ThumbRect(const SliderRange& range, const PixelRect& client, int thumbWidth,
                    int thumbHeight, bool vertical, const DisplayScale& scale);

inline constexpr unsigned kTipShowValue = 0x10;
inline constexpr unsigned kTipFollowThumb = 0x20;

struct TipFlags {
    bool showValueTip = false;
    bool tipFollowsThumb = false;
};

// A tip that follows the thumb is always shown.
TipFlags DecodeTipFlags(unsigned flags);
