#pragma once
// Widths of texts in pixels, in the font the ticker line is drawn with.

#include <cstdint>
#include <string_view>

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual std::int32_t Width(std::string_view text) = 0;
};
