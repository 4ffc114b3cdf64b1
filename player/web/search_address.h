#pragma once
// The address a web search opens: the search URL with the typed words
// appended, escaped so that they stay one query value. The system's URL
// canonicalisation is not enough here: it leaves '&', '#' and '+' as they
// are (a search for "rock & roll" would lose "& roll"), and Wine's leaves
// even the spaces.

#include <string>
#include <string_view>

// Each character but the URL's unreserved ones (letters, digits, "-._~")
// becomes %XX of its UTF-8 bytes; a space is %20.
std::wstring EscapeSearchWords(std::wstring_view words);

// An empty box searches for nothing, which opens the search URL alone.
std::wstring SearchAddress(std::wstring_view searchUrl, std::wstring_view words);
