#pragma once
// The ticker keeps its texts in the system's ANSI code page, as the A calls
// it draws and downloads with expect them; the XML document and COM hand it
// wide texts, converted here. Characters the code page lacks become '?'.

#include <string>
#include <string_view>

std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view text);
