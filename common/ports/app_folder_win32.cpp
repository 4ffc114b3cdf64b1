#include "common/ports/app_folder.h"

std::wstring ModulePath(HMODULE module) {
    // GetModuleFileNameW truncates silently; grow the buffer until the whole
    // path fits, so a deep install folder never yields a wrong path.
    std::wstring path(2047, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring GetAppFolder() { return FolderOfPath(ModulePath(nullptr)); }
