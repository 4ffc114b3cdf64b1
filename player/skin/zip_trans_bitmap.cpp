#include "zip_trans_bitmap.h"

#include "device_context.h"

bool CZipTransBitmap::LoadWithKey(UINT resourceId, COLORREF keyColour) {
    mask_.Reset();
    if (!Load(resourceId)) return false;
    const int width = GetWidth();
    const int height = GetHeight();
    mask_.Reset(CreateBitmap(width, height, 1, 1, nullptr));
    if (!mask_) {
        Reset();
        return false;
    }
    MemoryDC colour;
    MemoryDC mono;
    SelectedObject colourSelection(colour, Handle());
    SelectedObject monoSelection(mono, mask_.Get());
    if (keyColour == kKeyFromCorner) keyColour = GetPixel(colour, 0, 0);

    // Colour to monochrome: pixels of the background colour become white.
    SetBkColor(colour, keyColour);
    BitBlt(mono, 0, 0, width, height, colour, 0, 0, SRCCOPY);
    // Monochrome to colour: white becomes the background colour, black the
    // text colour; XOR then blackens exactly the key pixels.
    SetTextColor(colour, RGB(0, 0, 0));
    BitBlt(colour, 0, 0, width, height, mono, 0, 0, SRCINVERT);
    return true;
}

void CZipTransBitmap::DrawTransparent(HDC dc, int x, int y) const {
    if (!*this || !mask_) return;
    MemoryDC source(dc);
    {
        SelectedObject selection(source, mask_.Get());
        BitBlt(dc, x, y, GetWidth(), GetHeight(), source, 0, 0, SRCAND);
    }
    SelectedObject selection(source, Handle());
    BitBlt(dc, x, y, GetWidth(), GetHeight(), source, 0, 0, SRCINVERT);
}
