#pragma once
// A combo box with the skin's hover tip.

#include "common/window/control.h"
#include "skin/hover_tooltip.h"

class CTTComboBox : public Control {
public:
    // Creates the tip once; later calls change nothing.
    void SetTooltip(const wchar_t* text);
    // A new text for the tip made by SetTooltip.
    void ChangeTooltip(const wchar_t* text) { tooltip_.SetText(text); }

protected:
    void PreTranslateMessage(const MSG& message) override { tooltip_.Relay(message); }

private:
    HoverTooltip tooltip_;
};
