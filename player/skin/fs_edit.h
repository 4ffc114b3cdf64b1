#pragma once
// The main window's links field: white, with a hand cursor, no caret, and a
// click that asks the main window to run the link it shows, with the message
// the main window chose.

#include "common/window/control.h"
#include "common/window/gdi_object.h"

class CFSEdit : public Control {
public:
    explicit CFSEdit(UINT clickMessage) : clickMessage_(clickMessage) {}

    std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    UINT clickMessage_;
    ScopedBrush white_{CreateSolidBrush(RGB(255, 255, 255))};
};
