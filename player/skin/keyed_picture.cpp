#include "skin/keyed_picture.h"

#include "common/window/device_context.h"

ScopedBitmap MakeKeyMask(HBITMAP picture, SIZE size, COLORREF keyColour) {
    ScopedBitmap mask(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
    if (!mask) return mask;
    MemoryDC colour;
    MemoryDC mono;
    SelectedObject colourSelection(colour, picture);
    SelectedObject monoSelection(mono, mask.Get());
    if (keyColour == kKeyFromCorner) keyColour = GetPixel(colour, 0, 0);

    // Colour to monochrome: pixels of the background colour become 1, white.
    SetBkColor(colour, keyColour);
    BitBlt(mono, 0, 0, size.cx, size.cy, colour, 0, 0, SRCCOPY);
    // Monochrome to colour: 1 becomes the background colour, 0 the text
    // colour; XOR with (key, black) then blackens exactly the key pixels.
    SetTextColor(colour, RGB(0, 0, 0));
    BitBlt(colour, 0, 0, size.cx, size.cy, mono, 0, 0, SRCINVERT);
    return mask;
}

void DrawKeyed(HDC dc, int x, int y, SIZE size, HBITMAP picture, HBITMAP mask) {
    KeyedPictureSource(picture, mask).Draw(dc, x, y, size);
}

KeyedPictureSource::KeyedPictureSource(HBITMAP picture, HBITMAP mask)
    : pictureSelection_(pictureDC_, picture), maskSelection_(maskDC_, mask) {}

void KeyedPictureSource::Draw(HDC dc, int x, int y, SIZE size) const {
    // The mask's white must keep the destination and its black clear it.
    const COLORREF oldBackground = SetBkColor(dc, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    BitBlt(dc, x, y, size.cx, size.cy, maskDC_, 0, 0, SRCAND);
    BitBlt(dc, x, y, size.cx, size.cy, pictureDC_, 0, 0, SRCPAINT);
    SetBkColor(dc, oldBackground);
    SetTextColor(dc, oldText);
}
