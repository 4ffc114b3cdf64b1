#pragma once
// The pictures of the ticker's buttons at a display scale. Each was drawn
// at 100%, 150% and 200% (ticker/res/render_buttons.py); a scale in between
// shrinks the next larger drawing to the 100% picture's size scaled.

#include "common/scale/display_scale.h"

#include <windows.h>

// `pictureId` names the 100% picture. Null when it is missing.
HBITMAP LoadTickerPicture(int pictureId, const DisplayScale& scale);
