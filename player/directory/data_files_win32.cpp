#include "directory/data_files_win32.h"

#include "common/helpers/scoped_handle.h"
#include "common/ports/file_replace.h"
#include "directory/download_temporary_name.h"
#include "directory/links_list.h"
#include "directory/station_directory.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace {

class Win32FileReplacement : public FileReplacement {
public:
    Win32FileReplacement(std::wstring target, std::wstring temporary, ScopedHandle file)
        : target_(std::move(target)), temporary_(std::move(temporary)), file_(std::move(file)) {}

    ~Win32FileReplacement() override {
        if (committed_) return;
        file_.Close();
        DeleteFileW(temporary_.c_str());
    }

    bool Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), INT_MAX));
            DWORD written = 0;
            if (!WriteFile(file_.Get(), bytes.data(), chunk, &written, nullptr) || written == 0)
                return false;
            bytes.remove_prefix(written);
        }
        return true;
    }

    bool Commit() override {
        file_.Close();
        committed_ = ReplaceFileWith(temporary_, target_);
        return committed_;
    }

private:
    std::wstring target_;
    std::wstring temporary_;
    ScopedHandle file_;
    bool committed_ = false;
};

}  // namespace

std::optional<std::string> Win32DataFiles::Read(const std::wstring& path) {
    ScopedHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > INT_MAX) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        return std::nullopt;
    }
    bytes.resize(read);
    return bytes;
}

bool Win32DataFiles::Exists(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA file;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &file)) return false;
    const bool empty = file.nFileSizeLow == 0 && file.nFileSizeHigh == 0;
    return !(file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !empty;
}

bool Win32DataFiles::CreateFolder(const std::wstring& path) {
    return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::unique_ptr<FileReplacement> Win32DataFiles::Replace(const std::wstring& path) {
    wchar_t temporary[MAX_PATH];
    if (!GetTempFileNameW(MakeSavingFolder(path).c_str(), kDownloadTemporaryPrefix, 0, temporary))
        return nullptr;
    ScopedHandle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        DeleteFileW(temporary);
        return nullptr;
    }
    return std::make_unique<Win32FileReplacement>(path, temporary, std::move(file));
}

namespace {

void RemoveLeftoverDownloadsIn(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const bool isFile = !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        if (isFile && IsDownloadTemporaryName(found.cFileName))
            DeleteFileW((folder + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace

void RemoveLeftoverDownloads(const std::wstring& appFolder) {
    // Older versions wrote the temporary files beside their targets.
    for (const std::wstring& folder : {appFolder, appFolder + kFlagsFolder}) {
        RemoveLeftoverDownloadsIn(folder);
        RemoveLeftoverDownloadsIn(folder + kSavingFolderName + L"\\");
    }
}

void FinishCutShortDownloads(const std::wstring& appFolder) {
    FinishInterruptedReplace(appFolder + kLocalStationsFile);
    FinishInterruptedReplace(appFolder + kLinksFile);
}
