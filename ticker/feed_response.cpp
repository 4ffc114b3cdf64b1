#include "ticker/feed_response.h"

#include "ticker/ascii_case.h"

#include <charconv>

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

template <class Number>
std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<int> StatusCodeOf(std::string_view rawHeaders) {
    const std::string_view statusLine = rawHeaders.substr(0, rawHeaders.find('\n'));
    if (!statusLine.starts_with("HTTP/")) return std::nullopt;
    const std::size_t space = statusLine.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const std::string_view rest = statusLine.substr(space + 1);
    return ParseNumber<int>(Trim(rest.substr(0, rest.find(' '))));
}

std::optional<std::size_t> ContentLengthOf(std::string_view rawHeaders) {
    std::size_t start = rawHeaders.find('\n');
    while (start != std::string_view::npos) {
        const std::size_t end = rawHeaders.find('\n', start + 1);
        const std::string_view line = rawHeaders.substr(start + 1, end - start - 1);
        const std::size_t colon = line.find(':');
        if (colon != std::string_view::npos &&
            EqualsIgnoringAsciiCase(Trim(line.substr(0, colon)), "Content-Length")) {
            return ParseNumber<std::size_t>(Trim(line.substr(colon + 1)));
        }
        start = end;
    }
    return std::nullopt;
}

bool IsCompleteFeed(std::string_view rawHeaders, bool readToEnd, std::size_t bodySize) {
    const auto status = StatusCodeOf(rawHeaders);
    if (!readToEnd || !status || *status < 200 || *status > 299) return false;
    const auto length = ContentLengthOf(rawHeaders);
    return !length || *length == bodySize;
}
