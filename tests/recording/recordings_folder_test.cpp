#include "player_settings.h"
#include "recordings_folder.h"
#include "registry_memory.h"

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
