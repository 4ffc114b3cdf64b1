#include "common/scale/display_scale.h"

#include <iterator>

int ChooseSkinPercent(const DisplayScale& scale) {
    for (int percent : kSkinPercents) {
        if (scale.Dpi() * 100 <= percent * DisplayScale::kBaseDpi) return percent;
    }
    return kSkinPercents[std::size(kSkinPercents) - 1];
}
