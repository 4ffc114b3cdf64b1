#pragma once
// Windows-1252, the code page of Western European Windows systems: the host
// build's stand-in for the ANSI code page, and how the player reads radio
// titles that are not UTF-8, whatever the system's own code page is.

#include <string>
#include <string_view>

std::wstring Windows1252ToWide(std::string_view bytes);
// Characters the code page lacks become '?'.
std::string WideToWindows1252(std::wstring_view text);
