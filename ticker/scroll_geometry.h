#pragma once
// Where the ticker line is drawn at each step. The whole text image enters
// the scroll area at its right bound, moves one pixel left per step and is
// eaten column by column at the left bound; the next pass starts at the
// right bound once the last column has gone.

#include <cstdint>
#include <optional>

struct ScrollBounds {
    std::int32_t left = 0;
    std::int32_t right = 0;
};

// What one step draws.
struct ScrollStepPlan {
    std::int32_t x = 0;           // where the visible part goes in the window
    std::int32_t sourceX = 0;     // where it starts in the text image
    std::int32_t width = 0;       // never beyond the image or the right bound
    // Left edge of the stretch behind the text's tail, up to the right
    // bound, that must be cleared; nothing while the tail is still outside.
    std::optional<std::int32_t> clearFrom;
    bool passEnded = false;
};

class ScrollGeometry {
public:
    // Places the text's left end at the right bound.
    void Restart(const ScrollBounds& bounds);
    ScrollStepPlan Step(const ScrollBounds& bounds, std::int32_t imageWidth);

    std::int32_t X() const { return x_; }
    // Pixels of the text that have passed the left bound.
    std::int32_t SourceOffset() const { return sourceOffset_; }
    // Where the text's right end stood after the last step.
    std::int32_t End() const { return end_; }

private:
    std::int32_t x_ = 0;
    std::int32_t sourceOffset_ = 0;
    std::int32_t end_ = 0;
};
