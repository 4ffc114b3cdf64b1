#pragma once
// Addresses that come from the network are only ever used when they name the
// web: never a local file, a share or another scheme the system would open.

#include "text_case.h"

#include <string_view>

inline bool IsWebUrl(std::wstring_view url) {
    return StartsWithIgnoringCase(url, L"http://") || StartsWithIgnoringCase(url, L"https://");
}
