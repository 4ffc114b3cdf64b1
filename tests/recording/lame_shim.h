#pragma once
// A BladeEnc-compatible encoder table over Debian's libmp3lame, so host
// tests and the benchmark can run Mp3FileEncoder end to end. Test code only:
// the product loads the user's lame_enc.dll.

#include "recording/files/bladeenc.h"

BladeEncTable LameShimTable();
