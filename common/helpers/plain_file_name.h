#pragma once
// Names that come from the network or from files (flag names, recording
// names) become file names inside one of the player's folders, so they are
// checked before anything is written.

#include <optional>
#include <string>
#include <string_view>

// True for a plain file name that stays inside its folder: no separators or
// drive, not "." or "..", none of the characters Windows refuses in names, no
// trailing dot or space (Windows would drop them and reach another file), and
// no device name such as "NUL", "com1.bmp" or "LPT\u00b2".
bool IsPlainFileName(std::wstring_view name);

// A plain file name made from a text that was not meant as one (a station's
// track title): each character Windows refuses becomes "_", spaces around it
// and dots at its end go. Nothing when no name is left, or when what is left
// is a device name, which no replacement would make safe to open.
std::optional<std::wstring> PlainFileNameFrom(std::wstring_view text);
