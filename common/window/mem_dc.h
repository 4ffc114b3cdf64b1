#pragma once
// An off-screen paint buffer for one rectangle of a paint context. Draw into
// it with the target's coordinates; when it goes, the rectangle is copied back
// to the target in one block, so a painted control never flickers.

#include "common/window/device_context.h"
#include "common/window/gdi_object.h"

#include <windows.h>

#include <optional>

class CMemDC {
public:
    CMemDC(HDC target, const RECT& rect);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    operator HDC() const { return buffer_; }

private:
    HDC target_;  // borrowed from the caller's paint
    RECT rect_;
    MemoryDC buffer_;
    ScopedBitmap bitmap_;
    std::optional<SelectedObject> selection_;
};
