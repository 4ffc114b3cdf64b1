#include "common/helpers/shell_open.h"

#include "common/helpers/web_url.h"

#include <shellapi.h>

namespace {

// ShellExecute answers a value above 32 when it started something.
bool Started(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

}  // namespace

bool OpenWebPage(HWND owner, std::wstring_view url, int show) {
    if (!IsWebUrl(url)) return false;
    const std::wstring target(url);
    return Started(ShellExecuteW(owner, L"open", target.c_str(), nullptr, nullptr, show));
}

bool OpenWebPage(HWND owner, std::string_view url, int show) {
    if (!IsWebUrl(url)) return false;
    const std::string target(url);
    return Started(ShellExecuteA(owner, "open", target.c_str(), nullptr, nullptr, show));
}

bool OpenOwnLocalPath(HWND owner, const std::wstring& path) {
    return Started(ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}
