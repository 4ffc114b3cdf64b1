#include "ticker/ticker_paths.h"

std::wstring WithExtension(std::wstring_view path, std::wstring_view extension) {
    const std::size_t nameStart = path.find_last_of(L"\\/");
    const std::size_t dot = path.rfind(L'.');
    const bool hasExtension =
        dot != std::wstring_view::npos && (nameStart == std::wstring_view::npos || dot > nameStart);
    std::wstring result(hasExtension ? path.substr(0, dot) : path);
    result += extension;
    return result;
}
