#pragma once
// Feed links may arrive percent-escaped; the ticker keeps and opens them
// unescaped. "%" followed by two hexadecimal digits becomes that byte; any
// other "%" stays as it is.

#include <string>
#include <string_view>

std::string UnescapeUrl(std::string_view link);
