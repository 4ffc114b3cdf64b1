#include "common/ports/file_replace.h"

#include <windows.h>

bool ReplaceFileWith(const std::wstring& replacement, const std::wstring& target) {
    return MoveFileExW(replacement.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}
