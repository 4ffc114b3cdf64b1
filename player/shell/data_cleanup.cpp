#include "shell/data_cleanup.h"

#include "common/ports/file_replace.h"
#include "directory/data_files_win32.h"
#include "directory/station_directory.h"
#include "host/player_settings.h"

#include <windows.h>

namespace {

constexpr const wchar_t* kDataFiles[] = {
    L"Marquel.xml", L"VelmoraRadio.log", L"radio_pal_stations.xml", L"links.xml", L"favorites.xml",
};

// Deletes every file in the folder, then the folder. Subfolders, "." and
// ".." are not files, so deleting them just fails.
void DeleteFolderAndFiles(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*.*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileW((folder + found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

void RemovePlayerData(Registry& registry, const std::wstring& appFolder) {
    for (const wchar_t* name : kDataFiles) DeleteFileW((appFolder + name).c_str());
    RemoveLeftoverDownloads(appFolder);
    const std::wstring saving = std::wstring(kSavingFolderName) + L"\\";
    DeleteFolderAndFiles(appFolder + kFlagsFolder + saving);
    DeleteFolderAndFiles(appFolder + kFlagsFolder);
    DeleteFolderAndFiles(appFolder + saving);
    DeletePlayerKey(registry);
}
