// Texts from the feed: links the ticker may open, unescaping, ANSI conversion.

#include "url_unescape.h"
#include "web_link.h"

#include <gtest/gtest.h>

namespace {

TEST(WebLink, OnlyWebAddressesAreOpened) {
    EXPECT_TRUE(IsWebLink("http://site.example/news.html"));
    EXPECT_TRUE(IsWebLink("HTTPS://site.example/a b"));
    EXPECT_FALSE(IsWebLink("C:\\Windows\\system32\\calc.exe"));
    EXPECT_FALSE(IsWebLink("file:///C:/boot.ini"));
    EXPECT_FALSE(IsWebLink("javascript:alert(1)"));
    EXPECT_FALSE(IsWebLink("\\\\server\\share\\setup.exe"));
    EXPECT_FALSE(IsWebLink("http://"));
    EXPECT_FALSE(IsWebLink("httpx://site.example/"));
    EXPECT_FALSE(IsWebLink("http://site.example/\" --disable-security"));
    EXPECT_FALSE(IsWebLink("http://site.example/\r\nrest"));
    EXPECT_FALSE(IsWebLink(""));
}

TEST(UrlUnescape, DecodesPercentEscapesAndKeepsStrayPercents) {
    EXPECT_EQ(UnescapeUrl("http://a/b%20c%2fd"), "http://a/b c/d");
    EXPECT_EQ(UnescapeUrl("100%"), "100%");
    EXPECT_EQ(UnescapeUrl("%4"), "%4");
    EXPECT_EQ(UnescapeUrl("%zz%41"), "%zzA");
}

}  // namespace
