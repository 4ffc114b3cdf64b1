#include "skin/hyperlink_static.h"

#include "common/helpers/shell_open.h"
#include "common/window/device_context.h"
#include "common/window/mem_dc.h"
#include "common/scale/window_scale.h"

namespace {
constexpr int kDefaultFontHeight = 10;
constexpr int kDefaultFontWidth = 5;
constexpr LONG kBoldWeight = 900;
}  // namespace

void CHyperlinkStatic::OnAttached() {
    SetStyle(Style() | SS_NOTIFY);
    text_ = Text();
    extentValid_ = false;
    MakeFont();
}

void CHyperlinkStatic::SetLinkText(const wchar_t* text) {
    text_ = text;
    extentValid_ = false;
    if (hwnd_) SetText(text);  // repaints
}

void CHyperlinkStatic::SetLinkFontSize(int height, int width) {
    fontHeight_ = height;
    fontWidth_ = width;
    MakeFont();
}

void CHyperlinkStatic::SetHandOverText(bool on) {
    handOverText_ = on;
    MakeFont();
}

void CHyperlinkStatic::SetUnderline(bool on) {
    underline_ = on;
    MakeFont();
}

void CHyperlinkStatic::SetBold(bool on) {
    bold_ = on;
    MakeFont();
}

void CHyperlinkStatic::SetLinkTextColour(COLORREF colour) {
    colour_ = colour;
    if (hwnd_) Invalidate();
}

void CHyperlinkStatic::MakeFont() {
    if (!hwnd_) return;
    LOGFONTW face{};
    auto parentFont = reinterpret_cast<HFONT>(SendMessageW(Parent(), WM_GETFONT, 0, 0));
    GetObjectW(parentFont ? static_cast<HGDIOBJ>(parentFont) : GetStockObject(DEFAULT_GUI_FONT),
               sizeof(face), &face);
    const DisplayScale scale = WindowScale(hwnd_);
    face.lfHeight = scale.Scale(fontHeight_ ? fontHeight_ : kDefaultFontHeight);
    face.lfWidth = scale.Scale(fontWidth_ ? fontWidth_ : kDefaultFontWidth);
    face.lfUnderline = underline_;
    if (bold_) face.lfWeight = kBoldWeight;
    wcscpy_s(face.lfFaceName, L"Arial");
    font_.Reset(CreateFontIndirectW(&face));
    extentValid_ = false;
    InvalidateRect(Parent(), nullptr, TRUE);
}

LRESULT CHyperlinkStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;  // the paint fills every pixel
    case WM_SETTEXT: {
        text_ = reinterpret_cast<const wchar_t*>(lParam) ? reinterpret_cast<const wchar_t*>(lParam)
                                                         : L"";
        extentValid_ = false;
        // The static's own handling may draw the text its way at once; the
        // next paint draws it ours.
        const LRESULT result = DefaultProc(message, wParam, lParam);
        Invalidate();
        return result;
    }
    case WM_MOUSEMOVE:
        OnMouseMove(PointFromLParam(lParam));
        return 0;
    case WM_SETCURSOR:
        return TRUE;  // the cursor is chosen on mouse move
    case WM_MOUSELEAVE:
        tracking_ = false;
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(PointFromLParam(lParam));
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

// The text sits on the parent's picture, and a status line changes its text
// all the time: each paint first fills the control with the piece of the
// parent's background behind it, so no old text shows through the new one.
void CHyperlinkStatic::OnPaint() {
    PaintDC paint(hwnd_);
    RECT client = ClientRect();
    CMemDC dc(paint, client);
    PaintParentBackground(dc);
    SelectedObject font(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour_);
    DrawTextW(dc, text_.c_str(), -1, &client, textFormat);
}

void CHyperlinkStatic::PaintParentBackground(HDC dc) const {
    const RECT place = RectInParent();
    POINT origin{};
    SetViewportOrgEx(dc, -place.left, -place.top, &origin);
    SendMessageW(Parent(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

bool CHyperlinkStatic::OverText(POINT point) {
    if (font_ && !extentValid_) {
        ClientDC dc(hwnd_);
        SelectedObject font(dc, font_.Get());
        extentValid_ = GetTextExtentPoint32W(dc, text_.c_str(), static_cast<int>(text_.size()),
                                             &extent_) != FALSE;
    }
    return extentValid_ && point.x >= 0 && point.y >= 0 && point.x < extent_.cx &&
           point.y < extent_.cy;
}

void CHyperlinkStatic::OnMouseMove(POINT point) {
    if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd_, 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
        return;
    }
    const bool hand = handOverText_ && OverText(point);
    SetCursor(LoadCursorW(nullptr, hand ? IDC_HAND : IDC_ARROW));
}

void CHyperlinkStatic::OnLButtonDown(POINT point) {
    // Link targets come from the directory site, so only web pages open.
    if (OverText(point) && !target_.empty()) OpenWebPage(hwnd_, target_);
    Invalidate();
}
