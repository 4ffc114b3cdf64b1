// The ticker's registry values, and the files it keeps beside its modules.

#include "common/ports/registry_memory.h"
#include "ticker/ticker_paths.h"
#include "ticker/ticker_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(TickerSettings, MissingValuesKeepTheDefaults) {
    MemoryRegistry registry;
    auto settings = LoadTickerSettings(registry);
    EXPECT_EQ(settings.delay, 26u);
    EXPECT_EQ(settings.channel, -1);
    EXPECT_EQ(settings.url, "");

    registry.CreateKey(RegistryRoot::CurrentUser, kTickerKey)->WriteDword(L"TickerDelay", 40);
    settings = LoadTickerSettings(registry);
    EXPECT_EQ(settings.delay, 40u);
    EXPECT_EQ(settings.channel, -1);
}

TEST(TickerSettings, ReadsWhatThePlayerAndTheLastTickerLeft) {
    MemoryRegistry registry;
    auto key = registry.CreateKey(RegistryRoot::CurrentUser, kTickerKey);
    key->WriteString(L"URL", L"http://127.0.0.1:8642/ticker.php");
    ASSERT_TRUE(SaveTickerState(registry, 11, 2));
    auto settings = LoadTickerSettings(registry);
    EXPECT_EQ(settings.url, "http://127.0.0.1:8642/ticker.php");
    EXPECT_EQ(settings.delay, 11u);
    EXPECT_EQ(settings.channel, 2);

    ASSERT_TRUE(SaveTickerState(registry, 26, -1));
    EXPECT_EQ(key->ReadDword(L"TickerChannel"), 0xFFFFFFFFu);
    EXPECT_EQ(LoadTickerSettings(registry).channel, -1);
    ASSERT_TRUE(SaveTickerDelay(registry, 3));
    EXPECT_EQ(LoadTickerSettings(registry).delay, 3u);

    registry.DenyWrites(RegistryRoot::CurrentUser, kTickerKey);
    EXPECT_FALSE(SaveTickerDelay(registry, 4));
}

TEST(TickerPaths, TheCacheSitsBesideTheLibrary) {
    EXPECT_EQ(WithExtension(L"C:\\Program Files\\Velmora\\Marquel.dll", L".xml"),
              L"C:\\Program Files\\Velmora\\Marquel.xml");
    EXPECT_EQ(WithExtension(L"C:\\Velmora 3.01\\VelmoraRadio.exe", L".log"),
              L"C:\\Velmora 3.01\\VelmoraRadio.log");
    // A dot in a folder name is no extension.
    EXPECT_EQ(WithExtension(L"C:\\Velmora 3.01\\ticker", L".xml"), L"C:\\Velmora 3.01\\ticker.xml");
}

// The log goes beside the player only: the installer registering the library,
// or a browser loading it, keeps its own ".log" as it was.
TEST(TickerPaths, OnlyThePlayerBesideTheLibraryGetsTheLog) {
    const wchar_t library[] = L"C:\\Program Files\\Velmora\\Marquel.dll";
    EXPECT_TRUE(IsPlayerBesideLibrary(L"C:\\Program Files\\Velmora\\VelmoraRadio.exe", library));
    EXPECT_TRUE(IsPlayerBesideLibrary(L"c:\\program files\\velmora\\VELMORARADIO.EXE", library));
    for (const wchar_t* other :
         {L"C:\\Users\\me\\Downloads\\VelmoraSetup.exe", L"C:\\Windows\\system32\\regsvr32.exe",
          L"C:\\Other\\VelmoraRadio.exe", L"C:\\Program Files\\Velmora\\Uninstall.exe",
          L"C:\\Program Files\\Velmora\\VelmoraRadio.exe.bak", L"VelmoraRadio.exe", L""}) {
        EXPECT_FALSE(IsPlayerBesideLibrary(other, library)) << other;
    }
    EXPECT_FALSE(IsPlayerBesideLibrary(L"C:\\Program Files\\Velmora\\VelmoraRadio.exe", L""));
}

}  // namespace
