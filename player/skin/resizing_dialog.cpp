#include "skin/resizing_dialog.h"

#include "common/scale/window_frame.h"
#include "common/scale/window_scale.h"
#include "common/window/device_context.h"
#include "common/window/gdi_object.h"
#include "skin/bitmap_dialog.h"
#include "skin/resize_limits.h"

namespace {
constexpr int kFrameCorner = 76;
}  // namespace

bool CResizingDialog::SetBackground(UINT resourceId) {
    scale_ = WindowScale(hwnd_);
    if (!frame_.Load(resourceId, scale_)) return false;
    metrics_ = {frame_.GetWidth(), frame_.GetHeight(), scale_.Scale(kFrameCorner)};
    return true;
}

SIZE CResizingDialog::ScaledWindowSize(int widthAt100, int skinHeight) const {
    const int heightAt100 = skinHeight + 2 * SystemMetricAt(SM_CYSIZEFRAME, DisplayScale());
    return FramedWindowSize(hwnd_, {widthAt100, heightAt100}, Scale());
}

int CResizingDialog::WidthAt100(const DisplayScale& scale) const {
    const RECT inside = ClientRect();
    return FramedSizeAt100(hwnd_, {inside.right, inside.bottom}, scale).cx;
}

int CResizingDialog::WidthInSkin(int initial) const {
    const std::optional<DisplayScale> applied = AppliedScale();
    return applied ? WidthAt100(*applied) : initial;
}

void CResizingDialog::SetMinSize(std::uint16_t width, std::uint16_t height) {
    minWidth_ = width;
    minHeight_ = height;
}

std::optional<LRESULT> CResizingDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        PaintFrame(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_GETMINMAXINFO: {
        const ResizeLimits limits = LimitsForMinimum(minWidth_, minHeight_);
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = {limits.minimum.width, limits.minimum.height};
        info->ptMaxTrackSize = {limits.maximum.width, limits.maximum.height};
        return 0;
    }
    case WM_SIZE:
        Invalidate();
        return 0;
    case WM_LBUTTONDOWN: {
        POINT screen = PointFromLParam(lParam);
        ClientToScreen(hwnd_, &screen);
        Post(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        if (!IsTrackbar(reinterpret_cast<HWND>(lParam))) {
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        }
        break;
    }
    return CSkinnedDialog::OnMessage(message, wParam, lParam);
}

void CResizingDialog::PaintFrame(HDC dc) const {
    const RECT client = ClientRect();
    const FramePlan plan = PlanFrame(client.right, client.bottom, metrics_);
    if (!plan.centre.IsEmpty()) {
        const RECT centre{plan.centre.left, plan.centre.top, plan.centre.right, plan.centre.bottom};
        ScopedBrush flat(CreateSolidBrush(kPaneColour));
        FillRect(dc, &centre, flat.Get());
    }
    if (!frame_) return;
    MemoryDC source(dc);
    SelectedObject selection(source, frame_.Handle());
    for (const FrameCopy& copy : plan.copies) {
        // A one-pixel line stretched across the edge is that line repeated.
        StretchBlt(dc, copy.dest.left, copy.dest.top, copy.dest.Width(), copy.dest.Height(), source,
                   copy.source.left, copy.source.top, copy.source.Width(), copy.source.Height(),
                   SRCCOPY);
    }
}
