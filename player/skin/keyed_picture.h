#pragma once
// Drawing a picture without its key-coloured pixels: a monochrome mask marks
// them (white), and the picture's own key pixels are blackened, so that
// ANDing the mask and then ORing the picture leaves the destination as it
// was wherever the key colour stood.

#include "common/window/device_context.h"
#include "common/window/gdi_object.h"

#include <windows.h>

// Takes the key colour from the picture's top-left pixel.
inline constexpr COLORREF kKeyFromCorner = CLR_INVALID;

// The mask of picture's key pixels; blackens those pixels in picture. No
// mask (and the picture unchanged) when it cannot be made.
ScopedBitmap MakeKeyMask(HBITMAP picture, SIZE size, COLORREF keyColour);

// Draws a picture prepared by MakeKeyMask with its top-left corner at (x, y).
void DrawKeyed(HDC dc, int x, int y, SIZE size, HBITMAP picture, HBITMAP mask);

// A picture and mask prepared by MakeKeyMask, kept selected into memory
// contexts of their own for a picture drawn again and again (a blinking
// button): under Wine each selection of a bitmap asks the display driver,
// and the server, about the context, which cost more than the blits.
// Borrows both bitmaps; it must go before they do.
class KeyedPictureSource {
public:
    KeyedPictureSource(HBITMAP picture, HBITMAP mask);
    KeyedPictureSource(const KeyedPictureSource&) = delete;
    KeyedPictureSource& operator=(const KeyedPictureSource&) = delete;

    void Draw(HDC dc, int x, int y, SIZE size) const;

private:
    MemoryDC pictureDC_;
    MemoryDC maskDC_;
    SelectedObject pictureSelection_;
    SelectedObject maskSelection_;
};
