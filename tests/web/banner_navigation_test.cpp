#include "web/banner_navigation.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kSite[] = L"http://127.0.0.1:8080/";
constexpr wchar_t kLocalPage[] = L"C:\\Program Files\\Velmora\\HTML\\banner.html";

BannerNavigation Decide(const wchar_t* url,
                        BannerNavigationOrigin origin = BannerNavigationOrigin::PaneLink) {
    return DecideBannerNavigation(url, BannerPlaces{kSite, kLocalPage}, origin);
}

TEST(BannerNavigation, SitePagesAndTheBannerPageStayInThePane) {
    EXPECT_EQ(Decide(L"http://127.0.0.1:8080/banner.php?bid=12"), BannerNavigation::Proceed);
    // Even an MP3 on the site opens inside the pane.
    EXPECT_EQ(Decide(L"http://127.0.0.1:8080/audio/jingle.mp3"), BannerNavigation::Proceed);
    EXPECT_EQ(Decide(L"HTTP://127.0.0.1:8080/Info/Main.html"), BannerNavigation::Proceed);
    EXPECT_EQ(Decide(L"C:\\Program Files\\Velmora\\HTML\\banner.html"), BannerNavigation::Proceed);
    EXPECT_EQ(Decide(L"file:///c:/program files/velmora/html/BANNER.HTML"), BannerNavigation::Proceed);
}

// Only the local page itself is the banner page: a page of that name on
// another host or share, or elsewhere on the disk, is not.
TEST(BannerNavigation, OnlyTheExactLocalPageIsTheBannerPage) {
    EXPECT_EQ(Decide(L"http://ads.example.com/BANNER.HTML"), BannerNavigation::CancelAndOpen);
    for (const wchar_t* url : {L"\\\\host\\share\\banner.html", L"file://host/share/banner.html",
                               L"C:\\Temp\\banner.html", L"file:///C:/Temp/banner.html",
                               L"C:\\Program Files\\Velmora\\HTML\\banner.html.exe"}) {
        EXPECT_EQ(Decide(url), BannerNavigation::CancelAndDrop) << url;
    }
    EXPECT_TRUE(IsLocalBannerPage(kLocalPage, kLocalPage));
    EXPECT_FALSE(IsLocalBannerPage(L"http://127.0.0.1:8080/HTML/banner.html", kLocalPage));
    EXPECT_FALSE(IsLocalBannerPage(L"", L""));
}

TEST(BannerNavigation, OtherWebAddressesPlayWhenMp3AndOtherwiseOpenInTheBrowser) {
    EXPECT_EQ(Decide(L"http://music.example.com/song.mp3"), BannerNavigation::CancelAndPlay);
    EXPECT_EQ(Decide(L"HTTPS://MUSIC.EXAMPLE.COM/SONG.MP3"), BannerNavigation::CancelAndPlay);
    EXPECT_EQ(Decide(L"http://shop.example.com/offer"), BannerNavigation::CancelAndOpen);
    EXPECT_EQ(Decide(L"https://127.0.0.1:9090/other-site"), BannerNavigation::CancelAndOpen);
    // The site named in a query does not make another host's page a site page.
    EXPECT_EQ(Decide(L"http://shop.example.com/?from=http://127.0.0.1:8080/"),
              BannerNavigation::CancelAndOpen);
}

// A station's banner address comes from the directory: opening it elsewhere
// than in the pane would start the user's browser at every station change.
// Frames inside a page are not the user's click either.
TEST(BannerNavigation, PagesThePlayerOrAFrameOpensNeverLeaveThePane) {
    for (auto origin : {BannerNavigationOrigin::Player, BannerNavigationOrigin::SubFrame}) {
        EXPECT_EQ(Decide(L"http://shop.example.com/offer", origin), BannerNavigation::CancelAndDrop);
        EXPECT_EQ(Decide(L"http://music.example.com/song.mp3", origin), BannerNavigation::CancelAndDrop);
        EXPECT_EQ(Decide(L"http://127.0.0.1:8080/banner.php?bid=3", origin), BannerNavigation::Proceed);
        EXPECT_EQ(Decide(kLocalPage, origin), BannerNavigation::Proceed);
    }
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
