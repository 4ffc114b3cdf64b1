// Feed links arrive percent-escaped.

#include "ticker/url_unescape.h"

#include <gtest/gtest.h>

namespace {

TEST(UrlUnescape, DecodesPercentEscapesAndKeepsStrayPercents) {
    EXPECT_EQ(UnescapeUrl("http://a/b%20c%2fd"), "http://a/b c/d");
    EXPECT_EQ(UnescapeUrl("100%"), "100%");
    EXPECT_EQ(UnescapeUrl("%4"), "%4");
    EXPECT_EQ(UnescapeUrl("%zz%41"), "%zzA");
}

}  // namespace
