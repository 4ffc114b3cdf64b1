#pragma once
// Owns a kernel handle (mutex, process, thread, event, file) and closes it.

#include <windows.h>

#include <utility>

class ScopedHandle {
public:
    ScopedHandle() = default;
    explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ScopedHandle(ScopedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    ~ScopedHandle() { Close(); }

    HANDLE Get() const { return handle_; }
    // Null and INVALID_HANDLE_VALUE both mean "no handle", as Win32 returns
    // either depending on the call.
    explicit operator bool() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }

    void Close() {
        if (*this) CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_ = nullptr;  // owned
};
