#pragma once
// Whether a downloaded feed may replace the cache file. The cache is all the
// ticker shows from, so an error page or a transfer cut short must leave the
// last good feed in place.

#include <cstddef>
#include <optional>
#include <string_view>

// From raw response headers as "HTTP/1.1 200 OK\r\n...".
std::optional<int> StatusCodeOf(std::string_view rawHeaders);
std::optional<std::size_t> ContentLengthOf(std::string_view rawHeaders);

// A 2xx answer whose body was read to its end and, where the server named
// its length, has that length.
bool IsCompleteFeed(std::string_view rawHeaders, bool readToEnd, std::size_t bodySize);
