#include "recording/copy/track_files_win32.h"

#include <windows.h>

bool Win32TrackFiles::Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32TrackFiles::Create(const std::wstring& path) {
    file_ = ScopedHandle(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                     nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file_);
}

bool Win32TrackFiles::Append(std::string_view bytes) {
    LARGE_INTEGER end{};
    if (!SetFilePointerEx(file_.Get(), LARGE_INTEGER{}, &end, FILE_END)) return false;
    DWORD written = 0;
    if (WriteFile(file_.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size()) {
        return true;
    }
    SetFilePointerEx(file_.Get(), end, nullptr, FILE_BEGIN);
    SetEndOfFile(file_.Get());
    return false;
}

bool Win32TrackFiles::Rename(const std::wstring& from, const std::wstring& to) {
    return MoveFileW(from.c_str(), to.c_str()) != FALSE;
}

bool Win32TrackFiles::Remove(const std::wstring& path) { return DeleteFileW(path.c_str()) != FALSE; }
