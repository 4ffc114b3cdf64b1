#include "recording/capture/sound_feed.h"
#include "tests/recording/fake_capture.h"

#include <gtest/gtest.h>

namespace {

// Blocks the full queue refused are counted as one stretch of lost sound;
// a ring that ran over comes out as silence of its length in its place, so
// later sound keeps its time (8-bit sound is silent at 0x80).
TEST(SoundFeed, LostSoundBecomesSilenceInItsPlaceAndIsCounted) {
    WriterLog log;
    auto thread =
        std::make_unique<WriterThread>(std::make_unique<RecordingWriter>(log), 4, nullptr);
    WriterThread& writer = *thread;
    // Not started: the queue fills and stays full until the test starts it.
    SoundFeed feed(std::move(thread), CaptureFormat{8000, 16, 1}, 2, 0);
    const std::uint8_t first[4] = {1, 1, 1, 1};
    const std::uint8_t refused[3] = {2, 2, 2};
    EXPECT_TRUE(feed.WriteSamples(first, 4));
    EXPECT_TRUE(feed.WriteSamples(refused, 3));
    EXPECT_TRUE(feed.WriteSamples(refused, 3));  // the same stretch
    ASSERT_TRUE(writer.Start());
    writer.Finish();

    WriterLog later;
    auto second =
        std::make_unique<WriterThread>(std::make_unique<RecordingWriter>(later), 64, nullptr);
    ASSERT_TRUE(second->Start());
    SoundFeed overrun(std::move(second), CaptureFormat{8000, 8, 1}, 4, 0);
    overrun.WriteSamples(first, 4);
    overrun.AddGap(6);
    overrun.WriteSamples(refused, 3);
    overrun.Close();

    EXPECT_EQ(Written(log), std::vector<std::uint8_t>(first, first + 4));
    EXPECT_EQ(feed.Lost().bytes, 6u);
    EXPECT_EQ(feed.Lost().gaps, 1);
    EXPECT_EQ(Written(later),
              (std::vector<std::uint8_t>{1, 1, 1, 1, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 2, 2, 2}));
    EXPECT_EQ(overrun.Lost().bytes, 6u);
    EXPECT_EQ(overrun.Lost().gaps, 1);
}

}  // namespace
