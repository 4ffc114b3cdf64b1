#pragma once
// The main window's search-or-address field: a hover tip says what to type,
// every click starts a new entry, and releasing Enter runs the search.

#include "common/window/control.h"
#include "skin/hover_tooltip.h"

#include <functional>

class CAdvEdit : public Control {
public:
    // Creates the tip once; later calls change nothing.
    void SetTooltip(const wchar_t* text);
    void OnEnterReleased(std::function<void()> search) { search_ = std::move(search); }

protected:
    void PreTranslateMessage(const MSG& message) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HoverTooltip tooltip_;
    std::function<void()> search_;
};
