#pragma once
// Bytes from the directory site (the station file, now-playing pages) are text
// in the system's ANSI code page. Windows converts with that code page
// (ansi_text_win32.cpp); the host build stands in Windows-1252, the code page
// of the systems the site is written for (ansi_text_1252.cpp).

#include <string>
#include <string_view>

std::wstring AnsiToWide(std::string_view bytes);
