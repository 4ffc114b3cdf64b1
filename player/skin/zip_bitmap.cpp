#include "skin/zip_bitmap.h"

bool CZipBitmap::Load(UINT resourceId, const DisplayScale& scale) {
    Reset(LoadSkinBitmap(resourceId, scale));
    return static_cast<bool>(bitmap_);
}

void CZipBitmap::Reset(HBITMAP bitmap) {
    bitmap_.Reset(bitmap);
    width_ = 0;
    height_ = 0;
}

int CZipBitmap::GetWidth() const {
    if (width_ == 0) ReadSize();
    return width_;
}

int CZipBitmap::GetHeight() const {
    if (height_ == 0) ReadSize();
    return height_;
}

void CZipBitmap::ReadSize() const {
    BITMAP info{};
    if (bitmap_ && GetObjectW(bitmap_.Get(), sizeof(info), &info)) {
        width_ = info.bmWidth;
        height_ = info.bmHeight;
    }
}
