#include "common/ports/registry_memory.h"
#include "host/player_settings.h"
#include "host/site_urls.h"

#include <gtest/gtest.h>

namespace {

constexpr auto kUser = RegistryRoot::CurrentUser;
constexpr auto kMachine = RegistryRoot::LocalMachine;
const std::wstring kFolder = L"C:\\Program Files\\VelmoraRadio 3.01 UK\\";

std::optional<std::wstring> StringAt(MemoryRegistry& registry, RegistryRoot root,
                                     const wchar_t* key, const wchar_t* name) {
    auto opened = registry.OpenKey(root, key, false);
    return opened ? opened->ReadString(name) : std::nullopt;
}

TEST(PlayerSettings, ToolbarButtonValuesAreWrittenInOrderWithTheFolderInTheIcons) {
    MemoryRegistry registry;
    RegisterToolbarButton(registry, kFolder);

    EXPECT_EQ(registry.ValueNames(kMachine, kToolbarButtonKey),
              (std::vector<std::wstring>{L"ButtonText", L"CLSID", L"CLSIDExtension",
                                         L"Default Visible", L"MenuText", L"Icon", L"HotIcon"}));
    auto at = [&](const wchar_t* name) { return StringAt(registry, kMachine, kToolbarButtonKey, name); };
    EXPECT_EQ(at(L"ButtonText"), L"Velmora Radio");
    EXPECT_EQ(at(L"CLSID"), L"{1FBA04EE-3024-11d2-8F1F-0000F87ABD16}");
    EXPECT_EQ(at(L"CLSIDExtension"), L"{1EC035CE-090E-4AF7-B6DF-AD11C2F0F9C9}");
    EXPECT_EQ(at(L"Default Visible"), L"yes");
    EXPECT_EQ(at(L"MenuText"), L"Velmora Radio");
    EXPECT_EQ(at(L"Icon"), kFolder + L"Plinden.dll,110");
    EXPECT_EQ(at(L"HotIcon"), kFolder + L"Plinden.dll,110");
}

TEST(PlayerSettings, WithoutWriteAccessToTheMachineOnlyTheFolderIsWritten) {
    MemoryRegistry registry;
    registry.DenyWrites(kMachine, L"SOFTWARE");
    WriteRadioDirectory(registry, kFolder);
    RegisterToolbarButton(registry, kFolder);

    EXPECT_EQ(StringAt(registry, kUser, kPlayerKey, kRadioDirectoryValue), kFolder);
    EXPECT_TRUE(registry.ValueNames(kMachine, kToolbarButtonKey).empty());
}

TEST(PlayerSettings, StartupWritesFolderAndTickerUrlOnlyWhenThePlayerKeyOpens) {
    MemoryRegistry registry;
    WriteRadioDirectoryAndTickerUrl(registry, kFolder, L"http://radio.example/");
    EXPECT_EQ(StringAt(registry, kUser, kPlayerKey, kRadioDirectoryValue), kFolder);
    EXPECT_EQ(StringAt(registry, kUser, L"SOFTWARE\\Dravik\\Ticker\\3.01 UK", L"URL"),
              L"http://radio.example/ticker.php");

    MemoryRegistry locked;
    locked.DenyWrites(kUser, L"software\\Tarnel Net Player");
    WriteRadioDirectoryAndTickerUrl(locked, kFolder, L"http://radio.example/");
    EXPECT_FALSE(locked.KeyExists(kUser, kTickerKey));
}

TEST(PlayerSettings, PlayIsCreatedAsOneAndReadAsNonZero) {
    MemoryRegistry registry;
    EXPECT_TRUE(ReadPlaySetting(registry));
    EXPECT_EQ(registry.OpenKey(kUser, kPlayerKey, false)->ReadDword(kPlayValue), 1u);

    StorePlaySetting(registry, 0);
    EXPECT_FALSE(ReadPlaySetting(registry));
    StorePlaySetting(registry, 5);
    EXPECT_TRUE(ReadPlaySetting(registry));

    // A value of the wrong type counts as absent and is replaced by 1.
    registry.CreateKey(kUser, kPlayerKey)->WriteString(kPlayValue, L"0");
    EXPECT_TRUE(ReadPlaySetting(registry));
    EXPECT_EQ(registry.OpenKey(kUser, kPlayerKey, false)->ReadDword(kPlayValue), 1u);
}

TEST(PlayerSettings, LastLaunchIsTheDateWithoutLeadingZeros) {
    MemoryRegistry registry;
    EXPECT_EQ(ReadLastLaunch(registry), std::nullopt);
    WriteLastLaunch(registry, {2006, 3, 7});
    EXPECT_EQ(ReadLastLaunch(registry), L"2006:3:7");
    EXPECT_EQ(FormatLastLaunch({2026, 12, 31}), L"2026:12:31");
}

TEST(PlayerSettings, StartupChoresRemoveAutostartAndSilenceNavigation) {
    MemoryRegistry registry;
    auto run = registry.CreateKey(kUser, kAutostartKey);
    run->WriteString(L"Tarnel-Net Player", L"C:\\old\\VelmoraRadio.exe");
    run->WriteString(L"Something Else", L"keep.exe");

    RemoveAutostartValue(registry);
    SilenceNavigationSound(registry);
    RemoveAutostartValue(registry);  // nothing left to remove: still quiet

    EXPECT_EQ(registry.ValueNames(kUser, kAutostartKey), std::vector<std::wstring>{L"Something Else"});
    EXPECT_EQ(StringAt(registry, kUser, kNavigationSoundKey, L""), L"");
}

TEST(PlayerSettings, DeletingThePlayerKeyTakesItsSubkeysAndSparesTheTicker) {
    MemoryRegistry registry;
    registry.CreateKey(kUser, std::wstring(kPlayerKey) + L"\\Recorder")->WriteDword(L"Line", 2);
    WriteRadioDirectoryAndTickerUrl(registry, kFolder, L"http://radio.example/");

    DeletePlayerKey(registry);
    DeletePlayerKey(registry);
    EXPECT_FALSE(registry.KeyExists(kUser, kPlayerKey));
    EXPECT_TRUE(registry.KeyExists(kUser, L"software\\Tarnel Net Player"));
    EXPECT_TRUE(registry.KeyExists(kUser, kTickerKey));
}

TEST(SiteUrls, DefaultsUnlessTheUserSetsThem) {
    MemoryRegistry registry;
    const std::wstring defaultSite = SiteBaseUrl(registry);
    EXPECT_EQ(defaultSite.back(), L'/');
    EXPECT_FALSE(SearchUrl(registry).empty());

    auto key = registry.CreateKey(kUser, kPlayerKey);
    key->WriteString(kSiteUrlValue, L"http://radio.example/dir");
    key->WriteString(kSearchUrlValue, L"http://find.example/search?q=");
    EXPECT_EQ(SiteBaseUrl(registry), L"http://radio.example/dir/");
    EXPECT_EQ(SearchUrl(registry), L"http://find.example/search?q=");

    // An empty override means "not set".
    key->WriteString(kSiteUrlValue, L"");
    EXPECT_EQ(SiteBaseUrl(registry), defaultSite);
}

}  // namespace
