// The "-pc" and "-cleanup" actions of the real program, against the real
// registry and file system.

#include "common/ports/registry_win32.h"
#include "host/player_settings.h"
#include "tests/support/player_process.h"
#include "tests/support/scratch_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

std::vector<std::wstring> ValueNamesOf(HKEY root, const wchar_t* path) {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD length = static_cast<DWORD>(std::size(name));
        if (RegEnumValueW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

class MaintenanceAction : public ::testing::Test {
protected:
    void SetUp() override {
        registry_.DeleteKeyTree(RegistryRoot::CurrentUser, kPlayerKey);
        registry_.DeleteKeyTree(RegistryRoot::LocalMachine, kToolbarButtonKey);
    }

    std::optional<std::wstring> Read(RegistryRoot root, const wchar_t* key, const wchar_t* name) {
        auto opened = registry_.OpenKey(root, key, false);
        return opened ? opened->ReadString(name) : std::nullopt;
    }

    Win32Registry registry_;
};

TEST_F(MaintenanceAction, PcWritesTheFolderAndTheToolbarButtonAndEnds) {
    PlayerCopy player(L"pc");
    ASSERT_EQ(player.RunAndWait(L"-pc"), 0u);

    EXPECT_EQ(Read(RegistryRoot::CurrentUser, kPlayerKey, kRadioDirectoryValue), player.Folder());
    const auto machine = RegistryRoot::LocalMachine;
    EXPECT_EQ(Read(machine, kToolbarButtonKey, L"ButtonText"), L"Velmora Radio");
    EXPECT_EQ(Read(machine, kToolbarButtonKey, L"CLSID"), L"{1FBA04EE-3024-11d2-8F1F-0000F87ABD16}");
    EXPECT_EQ(Read(machine, kToolbarButtonKey, L"CLSIDExtension"),
              L"{1EC035CE-090E-4AF7-B6DF-AD11C2F0F9C9}");
    EXPECT_EQ(Read(machine, kToolbarButtonKey, L"Default Visible"), L"yes");
    EXPECT_EQ(Read(machine, kToolbarButtonKey, L"MenuText"), L"Velmora Radio");
    EXPECT_EQ(Read(machine, kToolbarButtonKey, L"Icon"), player.Folder() + L"Plinden.dll,110");
    EXPECT_EQ(Read(machine, kToolbarButtonKey, L"HotIcon"), player.Folder() + L"Plinden.dll,110");
    // Exactly these values. Wine lists a key's values sorted by name, so the
    // order of the writes can only be checked in the unit tests.
    auto names = ValueNamesOf(HKEY_LOCAL_MACHINE, kToolbarButtonKey);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"ButtonText", L"CLSID", L"CLSIDExtension",
                                                L"Default Visible", L"HotIcon", L"Icon",
                                                L"MenuText"}));
    // A maintenance action touches nothing else.
    EXPECT_EQ(Read(RegistryRoot::CurrentUser, kPlayerKey, L"Play"), std::nullopt);
    EXPECT_EQ(ValueNamesOf(HKEY_CURRENT_USER, kPlayerKey),
              std::vector<std::wstring>{kRadioDirectoryValue});
}

TEST_F(MaintenanceAction, CleanupRemovesDataAndSettingsButKeepsTheUsersThings) {
    PlayerCopy player(L"cleanup");
    const std::wstring& folder = player.Folder();
    for (const wchar_t* name : {L"Marquel.xml", L"VelmoraRadio.log", L"radio_pal_stations.xml",
                                L"links.xml", L"favorites.xml", L"queued.xml"}) {
        WriteBytes(folder + name, "<root></root>");
    }
    CreateDirectoryW((folder + L"Flags").c_str(), nullptr);
    WriteBytes(folder + L"Flags\\nl.bmp", "BM");
    WriteBytes(folder + L"Flags\\uk.bmp", "BM");
    CreateDirectoryW((folder + L"HTML").c_str(), nullptr);
    WriteBytes(folder + L"HTML\\banner.html", "<html></html>");
    CreateDirectoryW((folder + L"My Recordings").c_str(), nullptr);
    WriteBytes(folder + L"My Recordings\\Recording001.wav", "RIFF");
    // What killed downloads left behind, and a file of the user's that only
    // looks a little like it.
    WriteBytes(folder + L"vrd1A2F.tmp", "<root>");
    WriteBytes(folder + L"vrdnotes.tmp", "mine");
    // New versions on their way, and an unreadable favourites file set aside.
    CreateDirectoryW((folder + L"Saving").c_str(), nullptr);
    WriteBytes(folder + L"Saving\\favorites.xml.bad", "<root>");
    WriteBytes(folder + L"Saving\\vrd3B.tmp", "<root>");
    CreateDirectoryW((folder + L"Flags\\Saving").c_str(), nullptr);
    WriteBytes(folder + L"Flags\\Saving\\vrd3C.tmp", "BM");
    registry_.CreateKey(RegistryRoot::CurrentUser, std::wstring(kPlayerKey) + L"\\Sub")
        ->WriteString(L"x", L"y");
    registry_.CreateKey(RegistryRoot::CurrentUser, kPlayerKey)->WriteDword(L"Play", 1);

    // Twice: the second run finds nothing to delete and still ends quietly.
    ASSERT_EQ(player.RunAndWait(L"-cleanup"), 0u);
    ASSERT_EQ(player.RunAndWait(L"-cleanup"), 0u);

    for (const wchar_t* gone : {L"Marquel.xml", L"VelmoraRadio.log", L"radio_pal_stations.xml",
                                L"links.xml", L"favorites.xml", L"Flags", L"Saving",
                                L"vrd1A2F.tmp"}) {
        EXPECT_FALSE(FileExists(folder + gone)) << "still there: " << std::filesystem::path(gone);
    }
    EXPECT_EQ(registry_.OpenKey(RegistryRoot::CurrentUser, kPlayerKey, false), nullptr);
    EXPECT_NE(registry_.OpenKey(RegistryRoot::CurrentUser, L"software\\Tarnel Net Player", false),
              nullptr);
    EXPECT_TRUE(FileExists(folder + L"queued.xml"));
    EXPECT_TRUE(FileExists(folder + L"vrdnotes.tmp"));
    EXPECT_TRUE(FileExists(folder + L"HTML\\banner.html"));
    EXPECT_TRUE(FileExists(folder + L"My Recordings\\Recording001.wav"));
    EXPECT_TRUE(FileExists(folder + L"VelmoraRadio.exe"));
}

TEST_F(MaintenanceAction, PcWinsOverCleanup) {
    PlayerCopy player(L"both");
    WriteBytes(player.Folder() + L"favorites.xml", "<root></root>");
    ASSERT_EQ(player.RunAndWait(L"-cleanup -pc"), 0u);
    EXPECT_TRUE(FileExists(player.Folder() + L"favorites.xml"));
    EXPECT_EQ(Read(RegistryRoot::CurrentUser, kPlayerKey, kRadioDirectoryValue), player.Folder());
}

}  // namespace
