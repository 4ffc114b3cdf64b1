#include "ticker/ticker_item.h"

const TickerItem* ItemAtLeftEdge(const std::vector<TickerItem>& items, std::int32_t sourceOffset) {
    for (const auto& item : items) {
        if (item.endOffset > sourceOffset) return &item;
    }
    return nullptr;
}
