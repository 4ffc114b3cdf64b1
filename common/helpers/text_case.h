#pragma once
// Names that Windows compares without regard to letter case: file names,
// registry names, device names, the words of a registration script.

#include <string>
#include <string_view>

std::wstring LowerCase(std::wstring_view text);
bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b);
bool StartsWithIgnoringCase(std::wstring_view text, std::wstring_view prefix);
