#pragma once
// A pane painted as a stretchable frame from one picture (corners copied,
// edges repeated, a flat centre), dragged from anywhere, with a fixed height
// and a width that can grow by a fifth.

#include "skin/frame_plan.h"
#include "skin/skinned_dialog.h"
#include "skin/zip_bitmap.h"

#include <cstdint>

inline constexpr COLORREF kPaneColour = RGB(236, 242, 244);

class CResizingDialog : public CSkinnedDialog {
public:
    using CSkinnedDialog::CSkinnedDialog;

    // The frame picture at the monitor's scale, and the scale of the pane.
    bool SetBackground(UINT resourceId);
    void SetMinSize(std::uint16_t width, std::uint16_t height);

protected:
    // A pane's sizes are given at 100%, as its skin was laid out: a width
    // of its window, frame included, and the skin's height, inside the
    // sizing borders. At the monitor's scale the inside scales, and the
    // frame is the system's at that scale.
    SIZE ScaledWindowSize(int widthAt100, int skinHeight) const;
    // The width at 100% of the pane as it is at `scale`.
    int WidthAt100(const DisplayScale& scale) const;
    // The width at 100% as the person left it at the scale the pane was
    // last built for; `initial` before it was first built.
    int WidthInSkin(int initial) const;

    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintFrame(HDC dc) const;

    CZipBitmap frame_;
    std::uint16_t minWidth_ = 150;
    std::uint16_t minHeight_ = 150;
    DisplayScale scale_;
    // The one frame picture the panes use is 150 x 316 with 76-pixel corners
    // at 100%.
    FrameMetrics metrics_{150, 316, 76};
};
