#include "ticker/text_image.h"

TextImage::TextImage(HDC reference, SIZE size)
    : size_(size),
      // An empty text still gets a bitmap, so the image is never missing.
      bitmap_(CreateCompatibleBitmap(reference, size.cx > 0 ? size.cx : 1,
                                     size.cy > 0 ? size.cy : 1)),
      dc_(reference) {}

std::unique_ptr<TextImage> TextImage::Render(HDC reference, std::string_view text) {
    SIZE size{};
    GetTextExtentPoint32A(reference, text.data(), static_cast<int>(text.size()), &size);
    std::unique_ptr<TextImage> image(new TextImage(reference, size));
    if (!image->dc_.Get() || !image->bitmap_) return nullptr;
    image->selection_.emplace(image->dc_.Get(), image->bitmap_.Get());
    RECT area{0, 0, size.cx, size.cy};
    FillRect(image->dc_.Get(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkColor(image->dc_.Get(), RGB(255, 255, 255));
    SetTextColor(image->dc_.Get(), RGB(0, 0, 0));
    DrawTextA(image->dc_.Get(), text.data(), static_cast<int>(text.size()), &area,
              DT_SINGLELINE | DT_NOPREFIX);
    return image;
}

void TextImage::CopyTo(HDC target, int x, int sourceX, int width) const {
    if (width <= 0) return;
    BitBlt(target, x, 0, width, size_.cy, dc_.Get(), sourceX, 0, SRCCOPY);
}
