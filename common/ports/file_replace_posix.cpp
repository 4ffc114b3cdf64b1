#include "common/ports/file_replace.h"

#include <filesystem>
#include <system_error>

// rename() replaces the target atomically on POSIX file systems.
bool ReplaceFileWith(const std::wstring& replacement, const std::wstring& target) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(replacement), std::filesystem::path(target),
                            error);
    return !error;
}
