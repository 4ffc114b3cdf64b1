// MP3 and ADTS frames found in stream bytes however the network cut them,
// past what is not audio.

#include "playback/radio/adts_frame.h"
#include "playback/radio/mp3_frame.h"
#include "tests/playback/radio/audio_frames.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The lengths of the frames the splitter hands back when `stream` comes in
// reads of `readSize` bytes.
std::vector<std::size_t> FramesIn(const std::string& stream, const FrameSyntax& syntax,
                                  std::size_t readSize) {
    FrameSplitter splitter(syntax);
    std::vector<std::size_t> lengths;
    for (std::size_t at = 0; at < stream.size(); at += readSize) {
        splitter.Add(std::string_view(stream).substr(at, readSize));
        while (auto frame = splitter.NextFrame()) lengths.push_back(frame->size());
    }
    return lengths;
}

TEST(FrameSplitter, FindsFramesCutAcrossReadsPastGarbageAndFalseSyncs) {
    // A false sync (a header whose frame is not followed by another) and
    // junk before the audio; the last frame waits for the header after it.
    const std::string mp3 = "junk\xFF\xF3\x40\xC4xx" + Mp3Frames(4);
    const std::string aac = "junk" + AdtsFrames(1, 40) + "x" + AdtsFrames(4, 300);
    for (std::size_t readSize : {1, 7, 50, 1000}) {
        EXPECT_EQ(FramesIn(mp3, kMp3Frames, readSize), std::vector<std::size_t>(3, 104))
            << readSize;
        EXPECT_EQ(FramesIn(aac, kAdtsFrames, readSize), std::vector<std::size_t>(3, 300))
            << readSize;
    }
    // Neither is taken for the other.
    EXPECT_TRUE(FramesIn(mp3, kAdtsFrames, 50).empty());
    EXPECT_TRUE(FramesIn(aac, kMp3Frames, 50).empty());
}

TEST(FrameSplitter, TellsARunOfFramesFromSyncsThatHappenToFollowEachOther) {
    EXPECT_EQ(FirstFrameRun("ab" + AdtsFrames(3), kAdtsFrames, 3), 2u);
    EXPECT_EQ(FirstFrameRun("ab" + AdtsFrames(2), kAdtsFrames, 3), std::nullopt);
    EXPECT_EQ(FirstFrameRun(AdtsFrames(2, 90) + AdtsFrames(3, 200), kAdtsFrames, 3), 0u);
    EXPECT_EQ(FirstFrameRun(AdtsFrames(1) + "x" + Mp3Frames(3), kMp3Frames, 3), 121u);
    EXPECT_EQ(FirstFrameRun("", kMp3Frames, 3), std::nullopt);
}

TEST(AdtsFrame, ReadsRateAndChannelsOfAacLcInMonoOrStereo) {
    const auto stereo = ReadAdtsFrameHeader(AdtsFrames(1, 371));
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->format, (AdtsFormat{44100, 2}));
    EXPECT_EQ(stereo->length, 371u);
    // HE-AAC names its core rate, half the rate it plays at.
    EXPECT_EQ(ReadAdtsFrameHeader(AdtsFrames(1, 200, 7, 1))->format, (AdtsFormat{22050, 1}));

    std::string withCrc = AdtsFrames(1, 200);
    withCrc[1] = '\xF0';
    EXPECT_TRUE(ReadAdtsFrameHeader(withCrc));
    EXPECT_FALSE(ReadAdtsFrameHeader(AdtsFrames(1, 8).substr(0, 6)));  // cut short
    EXPECT_FALSE(ReadAdtsFrameHeader(AdtsFrames(1, 200, 13)));         // no such rate
    EXPECT_FALSE(ReadAdtsFrameHeader(AdtsFrames(1, 200, 4, 6)));       // 5.1
    EXPECT_FALSE(ReadAdtsFrameHeader(AdtsFrames(1, 200, 4, 2, 0)));    // AAC Main
    EXPECT_FALSE(ReadAdtsFrameHeader(AdtsFrames(1, 7)));               // no room for audio
    EXPECT_FALSE(ReadAdtsFrameHeader(Mp3Frames(1)));
}

}  // namespace
