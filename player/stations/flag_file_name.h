#pragma once
// Flag file names come from the downloaded directory and become file names in
// the "Flags\" folder, so they are checked before anything is written.

#include <string_view>

// True for a plain file name that stays inside its folder: no separators or
// drive, no "..", none of the characters Windows refuses in names, no
// trailing dot or space (Windows would drop them and reach another file), and
// no device name such as "NUL" or "com1.bmp".
bool IsSafeFlagFileName(std::wstring_view name);
