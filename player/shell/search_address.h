#pragma once
// The address a web search opens: the search URL with the typed words,
// canonicalised as a URL part (unsafe characters such as spaces escaped) by
// the system's URL canonicalisation, appended.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Answers the canonical text, or nothing when the system refuses it.
using UrlPartCanonicaliser = std::function<std::optional<std::wstring>(std::wstring_view)>;

// Nothing when the words cannot be canonicalised; an empty box searches for
// nothing, which opens the search URL alone.
std::optional<std::wstring> SearchAddress(std::wstring_view searchUrl, std::wstring_view words,
                                          const UrlPartCanonicaliser& canonicalise);
