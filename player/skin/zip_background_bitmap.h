#pragma once
// An off-screen picture of a control's whole client area, composed once so
// that painting only copies from it.

#include "common/window/device_context.h"
#include "skin/zip_bitmap.h"

#include <optional>

class CZipBackGroundBitmap : public CZipBitmap {
public:
    // Button face, with the resource's picture (if the id is not 0) at the
    // top-left at its own size.
    bool ComposeBackground(const RECT& clientRect, UINT resourceId, const DisplayScale& scale);
    // Copies rect of the picture to the same place in dc.
    void CopyArea(HDC dc, const RECT& rect) const;

private:
    std::optional<MemoryDC> dc_;
    std::optional<SelectedObject> selection_;  // of the picture; goes before the context
};
