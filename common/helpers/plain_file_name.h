#pragma once
// Names that come from the network or from files (flag names, recording
// names) become file names inside one of the player's folders, so they are
// checked before anything is written.

#include <string_view>

// True for a plain file name that stays inside its folder: no separators or
// drive, not "." or "..", none of the characters Windows refuses in names, no
// trailing dot or space (Windows would drop them and reach another file), and
// no device name such as "NUL", "com1.bmp" or "LPT\u00b2".
bool IsPlainFileName(std::wstring_view name);
