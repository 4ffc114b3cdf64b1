#include "skin/bitmap_dialog.h"

#include "common/window/device_context.h"
#include "skin/shape_region.h"
#include "common/scale/window_scale.h"

#include <commctrl.h>

#include <cwchar>

bool IsTrackbar(HWND control) {
    wchar_t className[32]{};
    GetClassNameW(control, className, static_cast<int>(std::size(className)));
    return _wcsicmp(className, TRACKBAR_CLASSW) == 0;
}

bool CBitmapDialog::SetBackground(UINT resourceId) {
    hasBackground_ = background_.Load(resourceId, WindowScale(hwnd_));
    if (hasBackground_) ApplyShape();
    return hasBackground_;
}

bool CBitmapDialog::SetDragRegion(UINT resourceId) {
    CZipBitmap strip;
    if (!strip.Load(resourceId, WindowScale(hwnd_))) return false;
    const RECT client = ClientRect();
    dragRegion_ = BuildPictureRegion(strip.Handle(), keyColour_, client.right, client.bottom);
    return true;
}

void CBitmapDialog::ApplyShape() {
    if (shaped_) {
        SetWindowRgn(hwnd_, BuildShapeRegion(hwnd_, background_.Handle(), keyColour_).Release(),
                     TRUE);
        return;
    }
    const SIZE size = WindowSize();
    SetWindowRgn(hwnd_, CreateRectRgn(0, 0, size.cx, size.cy), TRUE);
}

std::optional<LRESULT> CBitmapDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        if (OnEraseBackground(reinterpret_cast<HDC>(wParam))) return TRUE;
        break;
    case WM_LBUTTONDOWN:
        if (dragAnywhere || InDragArea(PointFromLParam(lParam))) {
            // Let the system move the window as if the caption were dragged.
            POINT screen = PointFromLParam(lParam);
            ClientToScreen(hwnd_, &screen);
            Post(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == hwnd_ && LOWORD(lParam) == HTCLIENT) {
            POINT cursor{};
            GetCursorPos(&cursor);
            ScreenToClient(hwnd_, &cursor);
            if (InDragArea(cursor)) {
                SetCursor(LoadCursorW(nullptr, IDC_SIZEALL));
                return TRUE;
            }
        }
        break;
    case WM_CTLCOLORSTATIC:
        return OnStaticColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    }
    return CSkinnedDialog::OnMessage(message, wParam, lParam);
}

bool CBitmapDialog::OnEraseBackground(HDC dc) const {
    if (!hasBackground_) return false;
    const RECT client = ClientRect();
    MemoryDC source(dc);
    SelectedObject selection(source, background_.Handle());
    BitBlt(dc, 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
    return true;
}

bool CBitmapDialog::InDragArea(POINT client) const {
    return dragRegion_ && PtInRegion(dragRegion_.Get(), client.x, client.y);
}

std::optional<LRESULT> CBitmapDialog::OnStaticColour(HDC dc, HWND control) const {
    if (!transparentStatics || IsTrackbar(control)) return std::nullopt;
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}
