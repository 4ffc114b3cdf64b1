// Where a toolbar click looks for the player.

#include "common/ports/registry_memory.h"
#include "host/player_settings.h"
#include "toolbar/player_launcher.h"

#include <gtest/gtest.h>

namespace {

constexpr auto kUser = RegistryRoot::CurrentUser;
const std::wstring kDefaultProgram = std::wstring(kDefaultPlayerFolder) + L"VelmoraRadio.exe";

TEST(PlayerLauncher, TheRecordedFolderIsFollowedByTheProgramAsWritten) {
    MemoryRegistry registry;
    auto key = registry.CreateKey(kUser, kPlayerKey);
    key->WriteString(kRadioDirectoryValue, L"D:\\Radio\\");
    EXPECT_EQ(PlayerProgramPath(registry), L"D:\\Radio\\VelmoraRadio.exe");

    key->WriteString(kRadioDirectoryValue, L"D:\\Radio");
    EXPECT_EQ(PlayerProgramPath(registry), L"D:\\RadioVelmoraRadio.exe");
}

TEST(PlayerLauncher, WithoutThePlayersKeyTheKeyIsCreatedAndTheDefaultFolderUsed) {
    MemoryRegistry registry;
    EXPECT_EQ(PlayerProgramPath(registry), kDefaultProgram);
    EXPECT_TRUE(registry.KeyExists(kUser, kPlayerKey));
    EXPECT_TRUE(registry.ValueNames(kUser, kPlayerKey).empty());
}

TEST(PlayerLauncher, AFolderThatIsNoUsableTextCountsAsMissing) {
    MemoryRegistry registry;
    auto key = registry.CreateKey(kUser, kPlayerKey);
    key->WriteDword(kRadioDirectoryValue, 42);
    EXPECT_EQ(PlayerProgramPath(registry), kDefaultProgram);
    key->WriteString(kRadioDirectoryValue, L"");
    EXPECT_EQ(PlayerProgramPath(registry), kDefaultProgram);
}

TEST(PlayerLauncher, AKeyThatCannotBeCreatedLeavesTheDefaultFolder) {
    MemoryRegistry registry;
    registry.DenyWrites(kUser, L"software");
    EXPECT_EQ(PlayerProgramPath(registry), kDefaultProgram);
}

}  // namespace
