// Answer heads of both kinds of server, and which engine plays what.

#include "playback/radio/stream_answer.h"
#include "tests/playback/radio/audio_frames.h"

#include <gtest/gtest.h>

namespace {

TEST(StreamAnswer, ReadsHttpAndIcyHeads) {
    const auto http = ReadStreamAnswerHead(
        "HTTP/1.0 200 OK\r\nContent-Type: Audio/MPEG; charset=x\r\nICY-MetaInt:  8192\r\n\r\n");
    ASSERT_TRUE(http);
    EXPECT_EQ(http->status, 200u);
    EXPECT_EQ(http->contentType, "audio/mpeg");
    EXPECT_EQ(http->metaInterval, 8192u);

    const auto icy =
        ReadStreamAnswerHead("ICY 200 OK\nicy-metaint:16000\ncontent-type:audio/aacp\n");
    ASSERT_TRUE(icy);
    EXPECT_EQ(icy->metaInterval, 16000u);
    EXPECT_EQ(icy->contentType, "audio/aacp");

    EXPECT_FALSE(ReadStreamAnswerHead("Content-Type: audio/mpeg\r\n\r\n"));
    EXPECT_FALSE(ReadStreamAnswerHead("HTTP/1.0 20 OK\r\n\r\n"));
    // Status lines cut short before their code, as a hostile server may send.
    for (std::string_view cut :
         {"HTTP/\r\n\r\n", "HTTP/\n", "http/1.1", "ICY\r\n\r\n", "HTTP/1.0 \r\n"})
        EXPECT_FALSE(ReadStreamAnswerHead(cut)) << cut;
    EXPECT_EQ(StreamAnswerHeadEnd("ICY 200 OK\r\na: b\r\n\r\n\xFF\xF3"), 20u);
    EXPECT_EQ(StreamAnswerHeadEnd("ICY 200 OK\r\na: b\r\n"), std::nullopt);
}

TEST(StreamAnswer, AnUnreasonableMetaIntervalMeansNoMetadata) {
    EXPECT_EQ(MetaIntervalOf("-1"), 0u);
    EXPECT_EQ(MetaIntervalOf("99999999999999999999999"), 0u);
    EXPECT_EQ(MetaIntervalOf("8192x"), 0u);
    EXPECT_EQ(MetaIntervalOf(std::to_string(kMaxMetaInterval + 1)), 0u);
}

TEST(StreamAnswer, Mp3AndAacGoToTheEngineAndEverythingElseToTheControl) {
    const auto kind = [](std::string type, const wchar_t* url, const std::string& first) {
        StreamAnswer answer;
        answer.status = 200;
        answer.contentType = type;
        return KindOfStream(answer, url, first);
    };
    // Too few bytes to tell: the type decides.
    EXPECT_EQ(kind("audio/mpeg", L"http://a/live", ""), StreamKind::Mp3);
    EXPECT_EQ(kind("audio/aacp", L"http://a/live", ""), StreamKind::Aac);
    EXPECT_EQ(kind("audio/x-aac", L"http://a/live", Mp3Frames(2)), StreamKind::Aac);
    // Frames in a row outweigh the type, and stand in for a missing one.
    EXPECT_EQ(kind("audio/mpeg", L"http://a/live", AdtsFrames(3)), StreamKind::Aac);
    EXPECT_EQ(kind("audio/aac", L"http://a/live", Mp3Frames(3)), StreamKind::Mp3);
    EXPECT_EQ(kind("", L"http://a/live", "junk\xFF\xF1\x50" + AdtsFrames(3)), StreamKind::Aac);
    EXPECT_EQ(kind("application/octet-stream", L"http://a/live", "xx" + Mp3Frames(3)),
              StreamKind::Mp3);
    EXPECT_EQ(kind("", L"http://a/live", Mp3Frames(2)), StreamKind::Other);
    // A type of another format is believed.
    EXPECT_EQ(kind("application/ogg", L"http://a/live.ogg", AdtsFrames(3)), StreamKind::Other);
    EXPECT_EQ(kind("text/html", L"http://a/", "<html>"), StreamKind::Other);
    EXPECT_EQ(kind("audio/x-scpls", L"http://a/listen", "[playlist]"), StreamKind::Playlist);
    EXPECT_EQ(kind("text/plain", L"http://a/live.M3U?x=1", "http://a/"), StreamKind::Playlist);
    EXPECT_EQ(kind("application/vnd.apple.mpegurl", L"http://a/live.m3u8",
                   "#EXTM3U\n#EXT-X-TARGETDURATION:10\n"),
              StreamKind::Other);

    StreamAnswer pls;
    pls.contentType = "text/plain";
    EXPECT_EQ(PlaylistFormatOf(pls, L"http://a/x.pls"), PlaylistFormat::Pls);
}

}  // namespace
