#include "skin/zip_trans_bitmap.h"

bool CZipTransBitmap::LoadWithKey(UINT resourceId, COLORREF keyColour,
                                  const DisplayScale& scale) {
    mask_.Reset();
    if (!Load(resourceId, scale)) return false;
    mask_ = MakeKeyMask(Handle(), {GetWidth(), GetHeight()}, keyColour);
    if (!mask_) Reset();
    return static_cast<bool>(mask_);
}

void CZipTransBitmap::DrawTransparent(HDC dc, int x, int y) const {
    if (*this && mask_) DrawKeyed(dc, x, y, {GetWidth(), GetHeight()}, Handle(), mask_.Get());
}
