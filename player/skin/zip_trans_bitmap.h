#pragma once
// A skin bitmap drawn with one colour left out: the key colour's pixels let
// the destination show through.

#include "zip_bitmap.h"

// Takes the key colour from the picture's top-left pixel.
inline constexpr COLORREF kKeyFromCorner = CLR_INVALID;

class CZipTransBitmap : public CZipBitmap {
public:
    // Loads the resource and prepares it for DrawTransparent: a monochrome
    // mask marks the key pixels, which are blackened in the picture itself.
    bool LoadWithKey(UINT resourceId, COLORREF keyColour);
    // The destination context must have black text and a white background
    // (the defaults) for the mask to combine as intended.
    void DrawTransparent(HDC dc, int x, int y) const;

private:
    ScopedBitmap mask_;
};
