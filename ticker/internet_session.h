#pragma once
// The process's one WinInet session, opened on first use and kept until the
// process ends; every feed download connects through it with handles of its
// own.

#include <windows.h>
#include <wininet.h>

// Owns one connection or request handle.
class InternetHandle {
public:
    InternetHandle() = default;
    explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    ~InternetHandle() { Reset(nullptr); }
    void Reset(HINTERNET handle) {
        if (handle_) InternetCloseHandle(handle_);
        handle_ = handle;
    }
    HINTERNET Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HINTERNET handle_ = nullptr;  // owned
};

// Null when WinInet cannot be opened; a later call tries again.
HINTERNET ProcessInternetSession();
