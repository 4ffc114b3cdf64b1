#pragma once
// Owning holders for the GDI objects and device contexts the ticker draws
// with. Stock objects and system cursors are never put in them.

#include <windows.h>

#include <utility>

// A pen, brush, bitmap or font, deleted with DeleteObject.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    ~GdiObject() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset() {
        if (handle_) DeleteObject(std::exchange(handle_, nullptr));
    }

private:
    Handle handle_ = nullptr;  // owned
};

// A memory device context with one object selected into it; the object goes
// back out before the context is deleted.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc() {
        if (!dc_) return;
        if (original_) SelectObject(dc_, original_);
        DeleteDC(dc_);
    }

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void Select(HGDIOBJ object) {
        HGDIOBJ previous = SelectObject(dc_, object);
        if (!original_) original_ = previous;
    }

private:
    HDC dc_;                     // owned
    HGDIOBJ original_ = nullptr;  // the context's own object, restored at the end
};

// A window's device context for the length of a scope.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;  // owned until released
};
