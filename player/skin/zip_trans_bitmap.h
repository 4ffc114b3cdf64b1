#pragma once
// A skin bitmap drawn with one colour left out: the key colour's pixels let
// the destination show through.

#include "skin/keyed_picture.h"
#include "skin/zip_bitmap.h"

class CZipTransBitmap : public CZipBitmap {
public:
    // Loads the resource and prepares it for DrawTransparent; kKeyFromCorner
    // takes the key from the picture's top-left pixel.
    bool LoadWithKey(UINT resourceId, COLORREF keyColour, const DisplayScale& scale);
    void DrawTransparent(HDC dc, int x, int y) const;

private:
    ScopedBitmap mask_;
};
