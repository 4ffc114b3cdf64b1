#pragma once
// The files the ticker keeps beside a module: its feed cache beside the
// library ("Marquel.xml" for "Marquel.dll") and the empty log file beside
// the player.

#include <string>
#include <string_view>

// The path with the extension of its file name replaced (or, when it has
// none, added): only a dot after the last backslash starts an extension.
std::wstring WithExtension(std::wstring_view path, std::wstring_view extension);

// True when the host program is the player in the library's own folder: only
// there does the library keep its log. Beside any other program (the
// installer registering the library, a browser, a script host) a ".log" of
// that program's name is someone else's file.
bool IsPlayerBesideLibrary(std::wstring_view program, std::wstring_view library);
