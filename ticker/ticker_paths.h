#pragma once
// The files the ticker keeps beside a module: its feed cache beside the
// library ("Marquel.xml" for "Marquel.dll") and the empty log file beside
// the host program.

#include <string>
#include <string_view>

// The path with the extension of its file name replaced (or, when it has
// none, added): only a dot after the last backslash starts an extension.
std::wstring WithExtension(std::wstring_view path, std::wstring_view extension);
