#pragma once
// The main window's links field: white, with a hand cursor, no caret, and a
// click that asks the main window to run the link it shows.

#include "control.h"
#include "gdi_object.h"

class CFSEdit : public Control {
public:
    std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ScopedBrush white_{CreateSolidBrush(RGB(255, 255, 255))};
};
