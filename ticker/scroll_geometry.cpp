#include "ticker/scroll_geometry.h"

#include <algorithm>

void ScrollGeometry::Restart(const ScrollBounds& bounds) {
    x_ = bounds.right;
    sourceOffset_ = 0;
}

ScrollStepPlan ScrollGeometry::Step(const ScrollBounds& bounds, std::int32_t imageWidth) {
    x_ -= 1;
    if (x_ <= bounds.left) {
        sourceOffset_ += 1;
        x_ = bounds.left;
    }
    ScrollStepPlan plan;
    plan.x = x_;
    plan.sourceX = sourceOffset_;
    plan.width = std::max(0, std::min(bounds.right - x_, imageWidth - sourceOffset_));
    end_ = x_ - sourceOffset_ + imageWidth;
    if (end_ <= bounds.right) plan.clearFrom = end_;
    if (imageWidth - sourceOffset_ <= 0) {
        plan.passEnded = true;
        Restart(bounds);
    }
    return plan;
}
