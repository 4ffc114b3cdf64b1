#include "common/ports/registry_memory.h"
#include "host/player_settings.h"
#include "recording/recorder/recordings_folder.h"

#include <gtest/gtest.h>

TEST(RecordingsFolder, ChosenParentFolderOrTheDefault) {
    MemoryRegistry registry;
    EXPECT_EQ(GetRecordingsFolder(registry), L"C:\\My Recordings\\");

    registry.CreateKey(RegistryRoot::CurrentUser, kPlayerKey);
    EXPECT_EQ(GetRecordingsFolder(registry), L"C:\\My Recordings\\");

    registry.CreateKey(RegistryRoot::CurrentUser, kPlayerKey)
        ->WriteString(kRecordFolderValue, L"D:\\Music\\");
    EXPECT_EQ(GetRecordingsFolder(registry), L"D:\\Music\\My Recordings\\");
}
