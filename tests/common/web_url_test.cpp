// The one rule for addresses from the network that may reach the shell.

#include "common/helpers/web_url.h"

#include <gtest/gtest.h>

namespace {

TEST(WebUrl, OnlyWebAddressesPass) {
    EXPECT_TRUE(IsWebUrl("http://site.example/news.html"));
    EXPECT_TRUE(IsWebUrl("HTTPS://site.example/a b"));
    EXPECT_FALSE(IsWebUrl("C:\\Windows\\system32\\calc.exe"));
    EXPECT_FALSE(IsWebUrl("file:///C:/boot.ini"));
    EXPECT_FALSE(IsWebUrl("javascript:alert(1)"));
    EXPECT_FALSE(IsWebUrl("\\\\server\\share\\setup.exe"));
    EXPECT_FALSE(IsWebUrl("http://"));
    EXPECT_FALSE(IsWebUrl("httpx://site.example/"));
    EXPECT_FALSE(IsWebUrl("http://site.example/\" --disable-security"));
    EXPECT_FALSE(IsWebUrl("http://site.example/\r\nrest"));
    EXPECT_FALSE(IsWebUrl(""));
}

TEST(WebUrl, WideAddressesFollowTheSameRule) {
    EXPECT_TRUE(IsWebUrl(L"http://radio.example/st\u00e4dte"));
    EXPECT_TRUE(IsWebUrl(L"Https://radio.example/"));
    EXPECT_FALSE(IsWebUrl(L"ms-settings:privacy"));
    EXPECT_FALSE(IsWebUrl(L"file://server/share/run.exe"));
    EXPECT_FALSE(IsWebUrl(L"C:\\Program Files\\Velmora\\VelmoraRadio.exe"));
    EXPECT_FALSE(IsWebUrl(L"https://"));
    EXPECT_FALSE(IsWebUrl(L"http://radio.example/\"x"));
    EXPECT_FALSE(IsWebUrl(L"http://radio.example/\u007f"));
    EXPECT_FALSE(IsWebUrl(L" http://radio.example/"));
}

TEST(WebUrl, StreamAddressesAddOnlyTheStreamingSchemes) {
    for (const wchar_t* stream : {L"http://r.example/a.mp3", L"https://r.example/", L"MMS://r.example/a",
                                  L"mmsh://r.example/a", L"rtsp://r.example:554/a"})
        EXPECT_TRUE(IsStreamUrl(stream)) << stream;
    for (const wchar_t* other : {L"\\\\host\\share\\a.mp3", L"file:///C:/a.mp3", L"C:\\a.mp3",
                                 L"mms://", L"mmsx://r.example/", L"rtsp:r.example", L"ftp://r.example/a",
                                 L"mms://r.example/\"x", L"rtsp://r.example/\na"})
        EXPECT_FALSE(IsStreamUrl(other)) << other;
    // A streaming scheme is no web address for the shell.
    EXPECT_FALSE(IsWebUrl(L"mms://r.example/a"));
}

TEST(WebUrl, SecureAddressesAreHttpsOnly) {
    for (const wchar_t* secure : {L"https://r.example/", L"HTTPS://r.example/banner.php?bid=12"})
        EXPECT_TRUE(IsSecureWebUrl(secure)) << secure;
    for (const wchar_t* other : {L"http://r.example/", L"https://", L"https:r.example",
                                 L" https://r.example/", L"https://r.example/\"x"})
        EXPECT_FALSE(IsSecureWebUrl(other)) << other;
}

}  // namespace
