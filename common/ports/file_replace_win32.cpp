#include "common/ports/file_replace.h"

#include "common/helpers/scoped_handle.h"

#include <windows.h>

#include <vector>

namespace {

constexpr DWORD kMoveFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
constexpr DWORD kCopyChunk = 64 * 1024;

// Opening the file itself, not its folder: setup lets every user change it.
ScopedHandle OpenForOverwrite(const std::wstring& path) {
    return ScopedHandle(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Overwrites the open file with the bytes of `source`; the file stays the
// same file, with the access setup gave it.
bool CopyInto(HANDLE file, const std::wstring& source) {
    ScopedHandle from(CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!from || SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return false;
    std::vector<char> chunk(kCopyChunk);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(from.Get(), chunk.data(), kCopyChunk, &read, nullptr)) return false;
        if (read == 0) break;
        DWORD written = 0;
        if (!WriteFile(file, chunk.data(), read, &written, nullptr) || written != read)
            return false;
    }
    return SetEndOfFile(file) && FlushFileBuffers(file);
}

bool CopyWaitingInto(HANDLE file, const std::wstring& waiting) {
    return CopyInto(file, waiting) && DeleteFileW(waiting.c_str());
}

}  // namespace

bool ReplaceFileWith(const std::wstring& replacement, const std::wstring& target) {
    if (MoveFileExW(replacement.c_str(), target.c_str(), kMoveFlags)) return true;
    if (GetLastError() != ERROR_ACCESS_DENIED) return false;
    ScopedHandle file = OpenForOverwrite(target);
    if (!file) return false;
    const std::wstring waiting = WaitingName(target);
    return MoveFileExW(replacement.c_str(), waiting.c_str(), kMoveFlags) &&
           CopyWaitingInto(file.Get(), waiting);
}

bool FinishInterruptedReplace(const std::wstring& target) {
    const std::wstring waiting = WaitingName(target);
    if (GetFileAttributesW(waiting.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
    ScopedHandle file = OpenForOverwrite(target);
    return file && CopyWaitingInto(file.Get(), waiting);
}
