#pragma once
// The skin's pictures at a display scale. At 100% they are the program's
// bitmap resources, as drawn; for 150% and 200% the skin was drawn again and
// stored as PNG ("SKIN150", "SKIN200" resources under the bitmap's id),
// decoded through WIC. Any other scale shrinks the next larger drawing.

#include "common/scale/display_scale.h"

#include <windows.h>

// Null when the picture is missing or cannot be decoded.
HBITMAP LoadSkinBitmap(UINT resourceId, const DisplayScale& scale);
