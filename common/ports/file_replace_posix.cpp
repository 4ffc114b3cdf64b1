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

// copy_file overwrites the existing file in place, as the Windows side does.
bool FinishInterruptedReplace(const std::wstring& target) {
    const std::filesystem::path waiting(WaitingName(target));
    std::error_code error;
    if (!std::filesystem::exists(waiting, error)) return !error;
    return std::filesystem::copy_file(waiting, std::filesystem::path(target),
                                      std::filesystem::copy_options::overwrite_existing, error) &&
           std::filesystem::remove(waiting, error);
}
