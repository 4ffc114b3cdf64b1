#include "skin/zip_background_bitmap.h"

bool CZipBackGroundBitmap::ComposeBackground(const RECT& clientRect, UINT resourceId,
                                             const DisplayScale& scale) {
    selection_.reset();
    dc_.reset();
    const int width = clientRect.right - clientRect.left;
    const int height = clientRect.bottom - clientRect.top;
    {
        ClientDC screen(nullptr);
        dc_.emplace(screen);
        Reset(CreateCompatibleBitmap(screen, width, height));
    }
    if (!*this) return false;
    selection_.emplace(*dc_, Handle());
    const RECT whole{0, 0, width, height};
    FillRect(*dc_, &whole, GetSysColorBrush(COLOR_BTNFACE));
    if (resourceId == 0) return true;

    CZipBitmap picture;
    if (!picture.Load(resourceId, scale)) return false;
    MemoryDC source(dc_->Get());
    SelectedObject pictureSelection(source, picture.Handle());
    BitBlt(*dc_, 0, 0, picture.GetWidth(), picture.GetHeight(), source, 0, 0, SRCCOPY);
    return true;
}

void CZipBackGroundBitmap::CopyArea(HDC dc, const RECT& rect) const {
    if (!dc_) return;
    BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, *dc_, rect.left,
           rect.top, SRCCOPY);
}
