#pragma once
// A combo box with the skin's hover tip.

#include "common/window/control.h"
#include "skin/hover_tooltip.h"

class CTTComboBox : public Control {
public:
    // Creates the tip once; later calls change nothing.
    void SetTooltip(const wchar_t* text);

protected:
    void PreTranslateMessage(const MSG& message) override { tooltip_.Relay(message); }

private:
    HoverTooltip tooltip_;
};
