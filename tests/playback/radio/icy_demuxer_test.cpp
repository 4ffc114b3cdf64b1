// The ICY demultiplexer gives back the audio unchanged and each metadata block
// whole, however the stream was cut into reads.

#include "playback/radio/icy_demuxer.h"
#include "playback/radio/stream_title.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Split {
    std::string audio;
    std::vector<std::string> metadata;
};

Split Demux(std::size_t interval, const std::string& stream, std::size_t readSize) {
    Split split;
    IcyDemuxer demuxer(interval);
    for (std::size_t at = 0; at < stream.size(); at += readSize) {
        demuxer.Feed(
            std::string_view(stream).substr(at, readSize),
            [&](std::string_view audio) { split.audio.append(audio); },
            [&](std::string_view block) { split.metadata.emplace_back(block); });
    }
    return split;
}

std::string Block(const std::string& text) {
    std::string padded = text;
    padded.resize((text.size() + 15) / 16 * 16, '\0');
    return std::string(1, static_cast<char>(padded.size() / 16)) + padded;
}

TEST(IcyDemuxer, TakesOutBlocksSplitAcrossReadsAndSkipsEmptyOnes) {
    const std::string title = "StreamTitle='Harbour Tunes - Morning Tide';";
    const std::string stream = std::string(10, 'a') + Block(title) + std::string(10, 'b') +
                               std::string(1, '\0') + std::string(10, 'c') + Block(title) +
                               std::string(4, 'd');
    for (std::size_t readSize : {1u, 3u, 7u, 16u, 1000u}) {
        SCOPED_TRACE(readSize);
        const Split split = Demux(10, stream, readSize);
        EXPECT_EQ(split.audio, std::string(10, 'a') + std::string(10, 'b') + std::string(10, 'c') +
                                   std::string(4, 'd'));
        ASSERT_EQ(split.metadata.size(), 2u);
        EXPECT_EQ(StreamTitleOf(split.metadata[0]), L"Harbour Tunes - Morning Tide");
    }
}

TEST(IcyDemuxer, AHostileLengthByteReadsNoMoreThanItsBlock) {
    // 255 units of 16 bytes, the most one byte can announce, then audio.
    const std::string stream =
        std::string(4, 'a') + '\xFF' + std::string(4080, 'x') + std::string(4, 'b');
    const Split split = Demux(4, stream, 512);
    ASSERT_EQ(split.metadata.size(), 1u);
    EXPECT_EQ(split.metadata[0].size(), 4080u);
    EXPECT_EQ(StreamTitleOf(split.metadata[0]), std::nullopt);
    EXPECT_EQ(split.audio, "aaaabbbb");
}

TEST(IcyDemuxer, WithoutAnIntervalEverythingIsAudio) {
    const std::string stream = "ab\x01StreamTitle='x';";
    EXPECT_EQ(Demux(0, stream, 5).audio, stream);
}

TEST(StreamTitle, IsCleanedAndCutAndReadInTheRightCodePage) {
    EXPECT_EQ(StreamTitleOf("StreamTitle='Caf\xC3\xA9 Nocturne';StreamUrl='';"),
              L"Caf\u00E9 Nocturne");
    EXPECT_EQ(StreamTitleOf("StreamTitle='Caf\xE9 \x80 5';"), L"Caf\u00E9 \u20AC 5");
    EXPECT_EQ(StreamTitleOf("StreamTitle='Rock 'n' Roll';"), L"Rock 'n' Roll");
    EXPECT_EQ(StreamTitleOf("StreamTitle='A\r\n\tB\x7F';"), L"AB");
    EXPECT_EQ(StreamTitleOf("StreamTitle='';"), L"");
    EXPECT_EQ(StreamTitleOf("StreamTitle='no end"), std::nullopt);
    EXPECT_EQ(StreamTitleOf("StreamUrl='x';"), std::nullopt);
    const std::wstring longest = *StreamTitleOf("StreamTitle='" + std::string(1000, 'x') + "';");
    EXPECT_EQ(longest.size(), kMaxStreamTitleLength);
    // A UTF-8 sequence cut short means the text is not UTF-8.
    EXPECT_EQ(StreamTitleOf("StreamTitle='\xC3';"), L"\u00C3");
}

}  // namespace
