#include "skin/zip_slider_ctl.h"

#include "common/window/device_context.h"
#include "common/scale/window_scale.h"

#include <commctrl.h>

namespace {

// One value tip serves every slider of the program: only one thumb can be
// dragged at a time. It is created on first use and lives to the end; its one
// tool moves to whichever slider is dragged, since a tooltip finds a tool by
// its window.
class ValueTip {
public:
    void Show(HWND slider, const std::wstring& text, POINT at) {
        if (!tooltip_) Create();
        if (!tooltip_) return;
        BindTo(slider);
        SetText(slider, text);
        MoveTo(at);
        SendMessageW(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool_));
    }
    void SetText(HWND slider, const std::wstring& text) {
        if (!tooltip_ || tool_.hwnd != slider) return;
        text_ = text;
        tool_.lpszText = text_.data();
        SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool_));
    }
    void MoveTo(POINT at) const {
        if (tooltip_) SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    }
    void Hide() {
        if (!tooltip_) return;
        SendMessageW(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool_));
    }

private:
    void Create() {
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        tool_.cbSize = sizeof(tool_);
        tool_.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        tool_.lpszText = text_.data();
    }

    void BindTo(HWND slider) {
        if (tool_.hwnd == slider) return;
        if (tool_.hwnd) SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool_));
        tool_.hwnd = slider;
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool_));
    }

    HWND tooltip_ = nullptr;  // lives until the program ends
    TTTOOLINFOW tool_{};      // hwnd: the slider the tool is bound to
    std::wstring text_;
};

ValueTip& SharedValueTip() {
    static ValueTip tip;
    return tip;
}

RECT ToRect(const PixelRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

void CZipSliderCtl::SetSkin(UINT backgroundId, UINT thumbId) {
    vertical_ = (Style() & TBS_VERT) != 0;
    clientRect_ = ClientRect();
    scale_ = WindowScale(hwnd_);
    thumb_.LoadWithKey(thumbId, kKeyFromCorner, scale_);
    background_.ComposeBackground(clientRect_, backgroundId, scale_);
    Invalidate(false);
}

bool CZipSliderCtl::SetTipFlags(unsigned flags) {
    tipFlags_ = DecodeTipFlags(flags);
    return tipFlags_.showValueTip;
}

RECT CZipSliderCtl::GetThumbRect() const {
    const SliderRange range{static_cast<int>(Send(TBM_GETRANGEMIN)),
                            static_cast<int>(Send(TBM_GETRANGEMAX)),
                            static_cast<int>(Send(TBM_GETPOS))};
    const PixelRect client{clientRect_.left, clientRect_.top, clientRect_.right,
                           clientRect_.bottom};
    return ToRect(ThumbRect(range, client, thumb_.GetWidth(), thumb_.GetHeight(), vertical_, scale_));
}

void CZipSliderCtl::SetPosition(int position) {
    const RECT before = GetThumbRect();
    Send(TBM_SETPOS, TRUE, position);
    InvalidateThumbs(before);
}

void CZipSliderCtl::InitHoverTooltip(const wchar_t* text) {
    hoverTip_.CreateBalloon(hwnd_, text);
}

std::wstring CZipSliderCtl::GetTipText() const {
    return std::to_wstring(static_cast<int>(Send(TBM_GETPOS)));
}

void CZipSliderCtl::PreTranslateMessage(const MSG& message) { hoverTip_.Relay(message); }

LRESULT CZipSliderCtl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;  // every paint covers its whole clip box
    case WM_LBUTTONDOWN:
        return OnLButtonDown(wParam, lParam);
    case WM_MOUSEMOVE:
        return OnMouseMove(wParam, lParam);
    case WM_LBUTTONUP:
        return OnLButtonUp(wParam, lParam);
    case WM_KEYDOWN: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        Invalidate(false);
        return result;
    }
    }
    return DefaultProc(message, wParam, lParam);
}

void CZipSliderCtl::OnPaint() {
    PaintDC dc(hwnd_);
    RECT clip{};
    if (GetClipBox(dc, &clip) == NULLREGION || IsRectEmpty(&clip)) return;
    background_.CopyArea(dc, clip);
    const RECT thumb = GetThumbRect();
    thumb_.DrawTransparent(dc, thumb.left, thumb.top);
}

LRESULT CZipSliderCtl::OnLButtonDown(WPARAM wParam, LPARAM lParam) {
    buttonDown_ = true;
    const RECT before = GetThumbRect();
    if (PtInRect(&before, PointFromLParam(lParam))) {
        if (tipFlags_.showValueTip) {
            POINT at{before.left, before.bottom};
            ClientToScreen(hwnd_, &at);
            SharedValueTip().Show(hwnd_, GetTipText(), at);
        }
        dragging_ = true;
    }
    Invalidate(before, false);
    const LRESULT result = DefaultProc(WM_LBUTTONDOWN, wParam, lParam);
    Invalidate(GetThumbRect(), false);
    return result;
}

LRESULT CZipSliderCtl::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    if (!buttonDown_) return DefaultProc(WM_MOUSEMOVE, wParam, lParam);
    const LRESULT result = RepaintingThumb(WM_MOUSEMOVE, wParam, lParam);
    if (dragging_ && tipFlags_.showValueTip) {
        SharedValueTip().SetText(hwnd_, GetTipText());
        if (tipFlags_.tipFollowsThumb) {
            const RECT thumb = GetThumbRect();
            POINT at{thumb.left, thumb.bottom};
            ClientToScreen(hwnd_, &at);
            SharedValueTip().MoveTo(at);
        }
    }
    return result;
}

LRESULT CZipSliderCtl::OnLButtonUp(WPARAM wParam, LPARAM lParam) {
    if (dragging_) SharedValueTip().Hide();
    dragging_ = false;
    buttonDown_ = false;
    return DefaultProc(WM_LBUTTONUP, wParam, lParam);
}

LRESULT CZipSliderCtl::RepaintingThumb(UINT message, WPARAM wParam, LPARAM lParam) {
    const RECT before = GetThumbRect();
    const LRESULT result = DefaultProc(message, wParam, lParam);
    InvalidateThumbs(before);
    return result;
}

void CZipSliderCtl::InvalidateThumbs(const RECT& before) {
    const RECT after = GetThumbRect();
    RECT both{};
    UnionRect(&both, &before, &after);
    Invalidate(both, false);
}
