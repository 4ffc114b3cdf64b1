// The feed download on its own, against a loopback server: the bounds on a
// server that never ends its answer, and a cache that is busy being read.

// Winsock (through the fixture) before windows.h, which the others bring.
#include "tests/ticker/win/marquel_fixture.h"

#include "common/helpers/scoped_handle.h"
#include "ticker/feed_downloader.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>

namespace {

class FeedDownload : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(server_.Port(), 0);
        WriteBytes(cache_, kFeed);
    }

    LoopbackHttpServer server_;
    const std::wstring cache_ = ScratchFile(L"feed-download.xml");
};

TEST_F(FeedDownload, AServerThatNeverEndsItsAnswerFailsAtTheTimeLimit) {
    std::optional<LoopbackHttpServer> trickling(std::in_place);
    trickling->ServeTrickling("/slow",
                              "HTTP/1.0 200 OK\r\nContent-Type: text/xml\r\n\r\n<TICKER>");
    std::atomic<bool> done = false;
    bool replaced = true;
    std::thread download([&] {
        replaced = DownloadFeedToCache(trickling->Url("/slow"), cache_, {1024 * 1024, 2000});
        done = true;
    });
    // Far beyond the limit: without one the download would run until the
    // server goes away.
    for (int i = 0; i < 300 && !done; ++i) Sleep(100);
    EXPECT_TRUE(done);
    trickling.reset();
    download.join();
    EXPECT_FALSE(replaced);
    EXPECT_EQ(ReadBytes(cache_), kFeed);
}

TEST_F(FeedDownload, AnAnswerOverAMegabyteIsRefused) {
    const std::string huge = "<TICKER>" + std::string(1024 * 1024, ' ') + "</TICKER>";
    server_.Serve("/huge", LoopbackHttpServer::Ok(huge));
    EXPECT_FALSE(DownloadFeedToCache(server_.Url("/huge"), cache_));
    EXPECT_EQ(ReadBytes(cache_), kFeed);
}

TEST_F(FeedDownload, ACacheBeingReadIsReplacedOnceTheReaderIsDone) {
    const std::string feed = "<TICKER><CHANNEL NAME=\"New\"/></TICKER>";
    server_.Serve("/ticker.php", LoopbackHttpServer::Ok(feed));
    // A reader that shares the file for reading only, as a parse does.
    ScopedHandle reader(CreateFileW(cache_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(reader);
    std::thread finishReading([&] {
        Sleep(300);
        reader.Close();
    });
    EXPECT_TRUE(DownloadFeedToCache(server_.Url("/ticker.php"), cache_));
    finishReading.join();
    EXPECT_EQ(ReadBytes(cache_), feed);
}

}  // namespace
