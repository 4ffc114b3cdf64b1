#pragma once
// The whole ticker line drawn once into an off-screen bitmap of exactly the
// text's size; each scroll step copies the visible part of it to the window.

#include "common/window/device_context.h"
#include "common/window/gdi_object.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string_view>

class TextImage {
public:
    // Black text on white, in the default font of a context compatible with
    // `reference`. Null when the bitmap cannot be made.
    static std::unique_ptr<TextImage> Render(HDC reference, std::string_view text);

    int Width() const { return size_.cx; }
    int Height() const { return size_.cy; }
    void CopyTo(HDC target, int x, int sourceX, int width) const;

private:
    TextImage(HDC reference, SIZE size);

    SIZE size_;
    // In this order, so the bitmap is selected out, then the context deleted,
    // then the bitmap.
    GdiObject<HBITMAP> bitmap_;
    MemoryDC dc_;
    std::optional<SelectedObject> selection_;
};
