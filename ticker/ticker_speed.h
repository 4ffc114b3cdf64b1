#pragma once
// The speed dialog's slider (0 slow to 100 fast) and the scroller's pause
// between two steps in milliseconds: 51 ms at 0, 26 ms in the middle, 1 ms
// at the fast end.

#include <algorithm>
#include <cstdint>

inline constexpr std::uint32_t kDefaultTickerDelay = 26;

constexpr int SliderPositionForDelay(std::uint32_t delay) {
    return (51 - static_cast<int>(std::min<std::uint32_t>(delay, 51))) * 2;
}

// Truncated towards zero, as the slider's halves fall between two delays.
constexpr std::uint32_t DelayForSliderPosition(int position) {
    const int clamped = std::clamp(position, 0, 100);
    return static_cast<std::uint32_t>(50 - 0.5 * clamped + 1);
}
