#pragma once
// Measures texts in the default font of a memory device context, the font the
// text image is drawn in.

#include "common/window/device_context.h"
#include "ticker/text_measure.h"

class DcTextMeasure : public TextMeasure {
public:
    std::int32_t Width(std::string_view text) override {
        SIZE size{};
        if (!dc_.Get() ||
            !GetTextExtentPoint32A(dc_.Get(), text.data(), static_cast<int>(text.size()), &size)) {
            return 0;
        }
        return size.cx;
    }

private:
    MemoryDC dc_;
};
