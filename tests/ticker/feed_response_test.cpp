// Only a complete, successful download may replace the ticker's cache file.

#include "ticker/feed_response.h"

#include <gtest/gtest.h>

namespace {

const char kOk[] = "HTTP/1.0 200 OK\r\nContent-Type: text/xml\r\ncontent-length: 12\r\n\r\n";
const char kOkWithoutLength[] = "HTTP/1.1 200 OK\r\nServer: test\r\n\r\n";
const char kNotFound[] = "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\n";

TEST(FeedResponse, ReadsTheStatusAndTheLength) {
    EXPECT_EQ(StatusCodeOf(kOk), 200);
    EXPECT_EQ(StatusCodeOf(kNotFound), 404);
    EXPECT_EQ(StatusCodeOf(""), std::nullopt);
    EXPECT_EQ(StatusCodeOf("garbage 200\r\n"), std::nullopt);
    EXPECT_EQ(ContentLengthOf(kOk), 12u);
    EXPECT_EQ(ContentLengthOf(kOkWithoutLength), std::nullopt);
    EXPECT_EQ(ContentLengthOf("HTTP/1.0 200 OK\r\nContent-Length: many\r\n"), std::nullopt);
}

TEST(FeedResponse, OnlyACompleteSuccessReplacesTheCache) {
    EXPECT_TRUE(IsCompleteFeed(kOk, true, 12));
    EXPECT_TRUE(IsCompleteFeed(kOkWithoutLength, true, 0));
    EXPECT_TRUE(IsCompleteFeed("HTTP/1.1 204 No Content\r\n\r\n", true, 0));
    // An error page, a transfer cut short, a body of the wrong length.
    EXPECT_FALSE(IsCompleteFeed(kNotFound, true, 9));
    EXPECT_FALSE(IsCompleteFeed("HTTP/1.1 302 Found\r\n\r\n", true, 0));
    EXPECT_FALSE(IsCompleteFeed(kOk, false, 12));
    EXPECT_FALSE(IsCompleteFeed(kOk, true, 5));
    EXPECT_FALSE(IsCompleteFeed("", true, 0));
}

}  // namespace
