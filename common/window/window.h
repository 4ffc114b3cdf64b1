#pragma once
// A thin, non-owning handle of a window: one line per call, so window code
// reads as sentences instead of casts. Who owns the window is the business of
// the classes built on it (Control, Dialog).

#include <windows.h>

#include <string>

class Window {
public:
    Window() = default;
    explicit Window(HWND window) : hwnd_(window) {}

    HWND Hwnd() const { return hwnd_; }
    operator HWND() const { return hwnd_; }

    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    HWND Parent() const { return GetParent(hwnd_); }
    RECT ClientRect() const;
    // The window's rectangle in its parent's client coordinates (screen
    // coordinates for a top-level window).
    RECT RectInParent() const;
    SIZE WindowSize() const;

    void Invalidate(bool erase = true) const { InvalidateRect(hwnd_, nullptr, erase); }
    void Invalidate(const RECT& rect, bool erase) const { InvalidateRect(hwnd_, &rect, erase); }
    void MoveTo(int x, int y) const;
    void Resize(int width, int height) const;
    void Place(int x, int y, int width, int height) const {
        MoveWindow(hwnd_, x, y, width, height, TRUE);
    }
    void Show(int command) const { ShowWindow(hwnd_, command); }
    bool IsVisible() const { return IsWindowVisible(hwnd_) != FALSE; }

    std::wstring Text() const;
    void SetText(const wchar_t* text) const { SetWindowTextW(hwnd_, text); }
    LONG_PTR Style() const { return GetWindowLongPtrW(hwnd_, GWL_STYLE); }
    void SetStyle(LONG_PTR style) const { SetWindowLongPtrW(hwnd_, GWL_STYLE, style); }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(hwnd_, message, wParam, lParam);
    }
    void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        PostMessageW(hwnd_, message, wParam, lParam);
    }
    void StartTimer(UINT_PTR id, UINT periodMs) const { SetTimer(hwnd_, id, periodMs, nullptr); }
    void StopTimer(UINT_PTR id) const { KillTimer(hwnd_, id); }

protected:
    HWND hwnd_ = nullptr;  // not owned
};

// The point packed into a mouse message's lParam.
inline POINT PointFromLParam(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}
