#pragma once
// Base of the skinned windows: each draws, sizes and places everything at the
// scale of the monitor it is on, and does it all again when it moves to a
// monitor of another scale, keeping what it shows (lists, texts, a recording).

#include "common/scale/window_scale.h"
#include "common/window/dialog.h"

#include <optional>

class CSkinnedDialog : public Dialog {
public:
    using Dialog::Dialog;

    // The scale of the monitor the window is on.
    DisplayScale Scale() const { return WindowScale(hwnd_); }

    // Posted to the window's owner once the window was built anew at a new
    // scale, with its window in lParam: an owner that places its windows
    // places it again at its new size.
    static UINT RebuiltMessage();

protected:
    // The dialog's own parts that depend on the scale: its size, pictures,
    // shape, the places of its controls and the fonts it made. A dialog
    // calls ApplyMonitorScale once its controls are attached.
    virtual void ApplyScale() {}
    void ApplyMonitorScale();
    // The scale ApplyScale last ran at; none before the first time.
    std::optional<DisplayScale> AppliedScale() const { return applied_; }
    // Each attached control makes its pictures and fonts again.
    void RescaleControls() const;
    // A window this one owns, showing, was built anew at a new scale and
    // asks to be placed again: an owner that places its windows puts it
    // where they go at its new size.
    virtual void PlaceOwnedWindowAgain(HWND /*owned*/) {}

    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnScaleChanged();

    std::optional<DisplayScale> applied_;
};
