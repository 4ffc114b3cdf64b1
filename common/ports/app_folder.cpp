#include "common/ports/app_folder.h"

std::wstring FolderOfPath(std::wstring_view path) {
    const auto lastSlash = path.rfind(L'\\');
    if (lastSlash == std::wstring_view::npos) return {};
    return std::wstring(path.substr(0, lastSlash + 1));
}
