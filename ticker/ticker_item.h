#pragma once
// One headline of the shown channel, and the choice of the headline that the
// read-more button opens.

#include <cstdint>
#include <string>
#include <vector>

struct TickerItem {
    // Pixels from the start of the display text to the end of this headline;
    // 0 for an item without text.
    std::int32_t endOffset = 0;
    std::string text;
    std::string link;  // unescaped
};

// The headline at the scroll area's left edge once sourceOffset pixels of the
// text have passed it: the first whose end lies beyond that; null when the
// text has no such headline.
const TickerItem* ItemAtLeftEdge(const std::vector<TickerItem>& items, std::int32_t sourceOffset);
