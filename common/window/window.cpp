#include "common/window/window.h"

RECT Window::ClientRect() const {
    RECT rect{};
    GetClientRect(hwnd_, &rect);
    return rect;
}

RECT Window::RectInParent() const {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    if (HWND parent = (Style() & WS_CHILD) ? GetParent(hwnd_) : nullptr) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect;
}

SIZE Window::WindowSize() const {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void Window::MoveTo(int x, int y) const {
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::Resize(int width, int height) const {
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring Window::Text() const {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    const int length = GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(length));
    return text;
}
