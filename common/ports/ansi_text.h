#pragma once
// Text in the system's ANSI code page: the bytes of the station file and the
// now-playing pages, and every text of the ticker library, which draws and
// downloads with the A calls. Windows converts with that code page
// (ansi_text_win32.cpp); the host build stands in Windows-1252, the code page
// of the systems the directory site is written for (ansi_text_1252.cpp).

#include <string>
#include <string_view>

std::wstring AnsiToWide(std::string_view bytes);
// Characters the code page lacks become '?'.
std::string WideToAnsi(std::wstring_view text);
