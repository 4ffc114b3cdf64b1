#include "app_folder.h"

#include <windows.h>

std::wstring GetAppFolder() {
    // GetModuleFileNameW truncates silently; grow the buffer until the whole
    // path fits, so a deep install folder never yields a wrong folder.
    std::wstring path(2047, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return FolderOfPath(path);
        }
        path.resize(path.size() * 2);
    }
}
