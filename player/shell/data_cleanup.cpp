#include "shell/data_cleanup.h"

#include "directory/data_files_win32.h"
#include "host/player_settings.h"

#include <windows.h>

namespace {

constexpr const wchar_t* kDataFiles[] = {
    L"Marquel.xml", L"VelmoraRadio.log", L"radio_pal_stations.xml", L"links.xml", L"favorites.xml",
};

// Deletes every file in the flag folder. Subfolders, "." and ".." are not
// files, so deleting them just fails.
void DeleteFlagFiles(const std::wstring& flagsFolder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((flagsFolder + L"*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        DeleteFileW((flagsFolder + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace

void RemovePlayerData(Registry& registry, const std::wstring& appFolder) {
    for (const wchar_t* name : kDataFiles) DeleteFileW((appFolder + name).c_str());
    RemoveLeftoverDownloads(appFolder);
    DeleteFlagFiles(appFolder + L"Flags\\");
    RemoveDirectoryW((appFolder + L"Flags").c_str());
    DeletePlayerKey(registry);
}
