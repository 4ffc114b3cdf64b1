#pragma once
// A skin bitmap: an owned GDI bitmap that knows its size.

#include "common/window/gdi_object.h"
#include "skin/skin_picture.h"

#include <windows.h>

class CZipBitmap {
public:
    CZipBitmap() = default;
    virtual ~CZipBitmap() = default;
    CZipBitmap(const CZipBitmap&) = delete;
    CZipBitmap& operator=(const CZipBitmap&) = delete;

    // Loads a skin picture at a display scale; false leaves no bitmap.
    bool Load(UINT resourceId, const DisplayScale& scale);
    void Reset(HBITMAP bitmap = nullptr);

    HBITMAP Handle() const { return bitmap_.Get(); }
    explicit operator bool() const { return static_cast<bool>(bitmap_); }
    // Read from the bitmap on first use and remembered.
    int GetWidth() const;
    int GetHeight() const;

private:
    void ReadSize() const;

    ScopedBitmap bitmap_;
    mutable int width_ = 0;
    mutable int height_ = 0;
};
