#pragma once
// The recordings list: a report list view that deletes the selected files
// when the Delete key is released (through the window's delete button, so
// the confirmations apply) and repaints all of itself after a line or page
// scroll, which leaves stale grid lines otherwise.

#include "common/window/control.h"

class CPFListCtrl : public Control {
public:
    explicit CPFListCtrl(int deleteCommand) : deleteCommand_(deleteCommand) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int deleteCommand_;
};
