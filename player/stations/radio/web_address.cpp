#include "web_address.h"

#include "text_case.h"

bool IsWebAddress(std::wstring_view url) {
    return StartsWithIgnoringCase(url, L"http://") || StartsWithIgnoringCase(url, L"https://");
}
