#include "recording/recorder/recordings_folder.h"

#include "host/player_settings.h"

std::wstring GetRecordingsFolder(Registry& registry) {
    if (auto key = registry.OpenKey(RegistryRoot::CurrentUser, kPlayerKey, false)) {
        if (auto parent = key->ReadString(kRecordFolderValue)) return *parent + L"My Recordings\\";
    }
    return L"C:\\My Recordings\\";
}
