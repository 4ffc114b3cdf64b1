#include "skin/button_st.h"

#include "skin/keyed_picture.h"
#include "common/scale/window_scale.h"
#include "skin/zip_bitmap.h"

#include <commctrl.h>

namespace {
constexpr COLORREF kCaptionColour = RGB(0, 0, 132);
}  // namespace

void CButtonST::OnAttached() {
    caption_ = Text();
    const LONG_PTR style = Style();
    isDefault_ = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    // Templates declare their skinned buttons owner-drawn: under Wine each
    // change of a shown button's style costs about 10 ms, a tenth of the
    // main window's start.
    if ((style & BS_TYPEMASK) == BS_OWNERDRAW) return;
    SetStyle((style & ~LONG_PTR{BS_TYPEMASK}) | BS_OWNERDRAW);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

CButtonST::Result CButtonST::SetImages(UINT resourceId, COLORREF keyColour) {
    const Result result =
        SetImageHandles(LoadSkinBitmap(resourceId, WindowScale(hwnd_)), keyColour);
    picture_ = {resourceId, keyColour};
    return result;
}

CButtonST::Result CButtonST::SetImageHandles(HBITMAP bitmap, COLORREF keyColour) {
    picture_ = {};
    const Result result = PrepareFace(face_, bitmap, keyColour);
    if (hwnd_) Invalidate();
    return result;
}

CButtonST::Result CButtonST::SetLitImages(UINT resourceId, COLORREF keyColour) {
    litPicture_ = {resourceId, keyColour};
    const Result result =
        PrepareFace(litFace_, LoadSkinBitmap(resourceId, WindowScale(hwnd_)), keyColour);
    if (hwnd_ && lit_) Invalidate();
    return result;
}

void CButtonST::OnScaleChanged() {
    if (picture_.resourceId) SetImages(picture_.resourceId, picture_.keyColour);
    if (litPicture_.resourceId) SetLitImages(litPicture_.resourceId, litPicture_.keyColour);
    // The parent's picture behind the button was drawn for the old scale.
    if (transparent_) SetTransparentDrawing();
}

void CButtonST::SetLit(bool lit) {
    if (lit == lit_) return;
    lit_ = lit;
    if (hwnd_) Invalidate();
}

// Takes ownership of bitmap; leaves the face empty when it cannot be used.
CButtonST::Result CButtonST::PrepareFace(Face& face, HBITMAP bitmap, COLORREF keyColour) {
    face.source.reset();
    face.mask.Reset();
    face.image.Reset(bitmap);
    face.size = {};
    BITMAP info{};
    if (!face.image || !GetObjectW(face.image.Get(), sizeof(info), &info)) {
        face.image.Reset();
        return kNoImageSize;
    }
    face.size = {info.bmWidth, info.bmHeight};
    face.mask = MakeKeyMask(face.image.Get(), face.size, keyColour);
    if (!face.mask) {
        face.image.Reset();
        return kNoMask;
    }
    face.source.emplace(face.image.Get(), face.mask.Get());
    return kOk;
}

void CButtonST::SetDrawBorder(bool on, bool repaint) {
    drawBorder_ = on;
    if (repaint && hwnd_) Invalidate();
}

void CButtonST::SetTransparentDrawing(bool repaint) {
    transparent_ = true;
    DropBackground();
    if (repaint && hwnd_) Invalidate();
}

CButtonST::Result CButtonST::RecaptureBackground(HDC parentDC) {
    if (!transparent_ || !parentDC) return kNoBackground;
    DropBackground();
    CaptureBackground(parentDC);
    return kOk;
}

void CButtonST::SetBalloonTooltip() {
    tooltipStyle_ |= TTS_BALLOON;
    tooltip_.AddStyle(TTS_BALLOON);
}

void CButtonST::SetTooltipText(const wchar_t* text, bool activate) {
    if (!text) return;
    tooltip_.Create(hwnd_, tooltipStyle_);
    tooltip_.SetText(text);
    tooltip_.Activate(activate);
}

std::optional<LRESULT> CButtonST::OnReflected(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    case WM_COMMAND:
        // The button takes the focus, and the parent still sees the click.
        if (HIWORD(wParam) == BN_CLICKED) SetFocus(hwnd_);
        break;
    }
    return std::nullopt;
}

// Only a button given a tip has a tooltip window: each one is a top-level
// window, which under Wine costs a few milliseconds of the start.
void CButtonST::PreTranslateMessage(const MSG& message) {
    tooltip_.Relay(message);
}

LRESULT CButtonST::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDBLCLK:
        // Two fast clicks are two clicks, not one click and a double-click.
        return DefaultProc(WM_LBUTTONDOWN, wParam, lParam);
    case WM_GETDLGCODE:
        return DefaultProc(message, wParam, lParam) |
               (isDefault_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case BM_SETSTYLE:
        isDefault_ = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        return DefaultProc(message, (wParam & ~WPARAM{BS_TYPEMASK}) | BS_OWNERDRAW, lParam);
    case WM_ERASEBKGND:
        return TRUE;  // DrawItem covers the whole button
    case WM_SETTEXT: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        if (result) caption_ = lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
        return result;
    }
    case WM_MOUSEMOVE: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        OnMouseMove(wParam);
        return result;
    }
    case WM_MOUSELEAVE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
        CancelHover();
        return DefaultProc(message, wParam, lParam);
    case WM_ENABLE:
        if (!wParam) OnDisabled();
        return DefaultProc(message, wParam, lParam);
    case WM_SYSCOLORCHANGE: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        DropBackground();
        fillColour_ = GetSysColor(COLOR_BTNFACE);
        Invalidate();
        return result;
    }
    }
    return DefaultProc(message, wParam, lParam);
}

void CButtonST::OnMouseMove(WPARAM wParam) {
    // Pressing elsewhere and dragging onto the button does not light it.
    if ((wParam & MK_LBUTTON) && !mouseOver_) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) != hwnd_) {
        CancelHover();
        return;
    }
    if (mouseOver_) return;
    mouseOver_ = true;
    Invalidate();
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd_, 0};
    TrackMouseEvent(&track);
}

void CButtonST::CancelHover() {
    if (!mouseOver_) return;
    mouseOver_ = false;
    Invalidate();
}

void CButtonST::OnDisabled() {
    CancelHover();
    if (GetFocus() != hwnd_) return;
    HWND parent = Parent();
    HWND next = GetNextDlgTabItem(parent, hwnd_, FALSE);
    SetFocus(next && next != hwnd_ ? next : parent);
}

void CButtonST::DrawItem(const DRAWITEMSTRUCT& item) {
    pressed_ = (item.itemState & ODS_SELECTED) != 0;
    disabled_ = (item.itemState & ODS_DISABLED) != 0;
    const RECT& rect = item.rcItem;
    DrawBackground(item.hDC, rect);
    if (drawBorder_ && (pressed_ || mouseOver_)) {
        RECT edge = rect;
        DrawEdge(item.hDC, &edge, pressed_ ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    DrawImage(item.hDC, rect);
    DrawCaption(item.hDC, rect);
}

void CButtonST::DrawBackground(HDC dc, const RECT& rect) {
    if (!transparent_) {
        ScopedBrush fill(CreateSolidBrush(fillColour_));
        FillRect(dc, &rect, fill.Get());
        return;
    }
    if (!backgroundDC_) CaptureBackground(ClientDC(Parent()));
    if (backgroundDC_) {
        BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               *backgroundDC_, 0, 0, SRCCOPY);
    }
}

void CButtonST::DrawImage(HDC dc, const RECT& rect) const {
    const Face& face = ShownFace();
    if (!face.source) return;
    const int offset = pressed_ ? 1 : 0;
    const int x = rect.left + (rect.right - rect.left - face.size.cx) / 2 + offset;
    const int y = rect.top + (rect.bottom - rect.top - face.size.cy) / 2 + offset;
    face.source->Draw(dc, x, y, face.size);
}

void CButtonST::DrawCaption(HDC dc, RECT rect) const {
    if (caption_.empty()) return;
    const UINT format = DT_CENTER | DT_WORDBREAK;
    SetBkMode(dc, TRANSPARENT);
    SelectedObject font(dc, reinterpret_cast<HGDIOBJ>(Send(WM_GETFONT)));
    if (pressed_) OffsetRect(&rect, 1, 1);
    if (disabled_) {
        rect.top += 3;
        RECT shifted = rect;
        OffsetRect(&shifted, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc, caption_.c_str(), -1, &shifted, format);
        SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
        DrawTextW(dc, caption_.c_str(), -1, &rect, format);
        return;
    }
    // Only the top-left corner moves: the caption centres in what is left.
    rect.left += 3;
    rect.top += 3;
    SetTextColor(dc, kCaptionColour);
    DrawTextW(dc, caption_.c_str(), -1, &rect, format);
}

void CButtonST::CaptureBackground(HDC parentDC) {
    const RECT place = RectInParent();
    const RECT client = ClientRect();
    backgroundDC_.emplace(parentDC);
    background_.Reset(CreateCompatibleBitmap(parentDC, client.right, client.bottom));
    backgroundSelection_.emplace(*backgroundDC_, background_.Get());
    BitBlt(*backgroundDC_, 0, 0, client.right, client.bottom, parentDC, place.left, place.top,
           SRCCOPY);
}

void CButtonST::DropBackground() {
    backgroundSelection_.reset();
    background_.Reset();
    backgroundDC_.reset();
}

bool AttachSkinnedButton(CButtonST& button, HWND item, UINT image, COLORREF keyColour) {
    if (!button.Attach(item)) return false;
    button.SetImages(image, keyColour);
    button.SetDrawBorder(false, false);
    button.SetTransparentDrawing(false);
    return true;
}
