#pragma once
// Comparisons of names that ignore the case of ASCII letters: feed channel
// names, HTTP header names, URL schemes.

#include <string_view>

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);
