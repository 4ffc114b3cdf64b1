#include "web/banner_navigation.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kSite[] = L"http://127.0.0.1:8080/";

BannerNavigation Decide(const wchar_t* url) { return DecideBannerNavigation(url, kSite); }

TEST(BannerNavigation, SitePagesAndTheBannerPageStayInThePane) {
    EXPECT_EQ(Decide(L"http://127.0.0.1:8080/banner.php?bid=12"), BannerNavigation::Proceed);
    // Even an MP3 on the site opens inside the pane.
    EXPECT_EQ(Decide(L"http://127.0.0.1:8080/audio/jingle.mp3"), BannerNavigation::Proceed);
    EXPECT_EQ(Decide(L"HTTP://127.0.0.1:8080/Info/Main.html"), BannerNavigation::Proceed);
    EXPECT_EQ(Decide(L"C:\\Program Files\\Velmora\\HTML\\banner.html"), BannerNavigation::Proceed);
    EXPECT_EQ(Decide(L"http://ads.example.com/BANNER.HTML"), BannerNavigation::Proceed);
}

TEST(BannerNavigation, OtherWebAddressesPlayWhenMp3AndOtherwiseOpenInTheBrowser) {
    EXPECT_EQ(Decide(L"http://music.example.com/song.mp3"), BannerNavigation::CancelAndPlay);
    EXPECT_EQ(Decide(L"HTTPS://MUSIC.EXAMPLE.COM/SONG.MP3"), BannerNavigation::CancelAndPlay);
    EXPECT_EQ(Decide(L"http://shop.example.com/offer"), BannerNavigation::CancelAndOpen);
    EXPECT_EQ(Decide(L"https://127.0.0.1:9090/other-site"), BannerNavigation::CancelAndOpen);
}

TEST(BannerNavigation, AddressesThatAreNotWebPagesAreDropped) {
    for (const wchar_t* url :
         {L"file:///C:/Windows/system32/calc.exe", L"javascript:alert(1)",
          L"C:\\Windows\\notepad.exe", L"\\\\server\\share\\tune.mp3", L"ftp://example.com/a.mp3",
          // Mentioning the site does not make another scheme a site page.
          L"file:///C:/x.exe?http://127.0.0.1:8080/"}) {
        EXPECT_EQ(Decide(url), BannerNavigation::CancelAndDrop) << url;
    }
}

}  // namespace
