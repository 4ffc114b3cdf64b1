#include "recording/capture/capture_level.h"
#include "recording/capture/capture_pump.h"
#include "tests/recording/fake_capture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr std::uint32_t kBlock = 1024;
constexpr std::uint32_t kRing = 16 * kBlock;

std::vector<std::uint8_t> SamplesOf(std::int16_t value, std::size_t count) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < count; ++i) {
        const std::int16_t sample = (i % 2) ? value : static_cast<std::int16_t>(-value);
        bytes.push_back(static_cast<std::uint8_t>(sample & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((sample >> 8) & 0xFF));
    }
    return bytes;
}

struct Pump {
    PumpResult Run() {
        return PumpCapture({buffer, kBlock, offset}, writer, [this](int level) { levels.push_back(level); });
    }
    FakeCaptureBuffer buffer{kRing};
    WriterLog log;
    RecordingWriter writer{log};
    std::uint32_t offset = 0;
    std::vector<int> levels;
};

TEST(CapturePump, DrainsWholeBlocksOnlyAndLeavesTheRestForLater) {
    Pump pump;
    pump.buffer.Capture(kBlock / 2, 1);
    EXPECT_EQ(pump.Run(), PumpResult::NothingToDo);
    EXPECT_TRUE(pump.buffer.locks.empty());

    pump.buffer.Capture(kBlock, 1);  // 1.5 blocks now
    EXPECT_EQ(pump.Run(), PumpResult::Drained);
    ASSERT_EQ(pump.log.calls.size(), 1u);
    EXPECT_EQ(pump.log.calls[0].size(), kBlock);
    EXPECT_EQ(pump.offset, kBlock);

    pump.buffer.Capture(kBlock / 2, 1);
    EXPECT_EQ(pump.Run(), PumpResult::Drained);
    EXPECT_EQ(pump.offset, 2 * kBlock);
    EXPECT_EQ(pump.buffer.lockedCount, 0);
}

TEST(CapturePump, AWrappedLockWritesTheEndOfTheRingThenItsStart) {
    Pump pump;
    pump.offset = 14 * kBlock;
    pump.buffer.readPosition = 14 * kBlock;
    pump.buffer.Capture(2 * kBlock, 7);
    pump.buffer.Capture(kBlock, 9);
    EXPECT_EQ(pump.Run(), PumpResult::Drained);
    ASSERT_EQ(pump.buffer.locks.size(), 1u);
    EXPECT_EQ(pump.buffer.locks[0].length, 3 * kBlock);
    ASSERT_EQ(pump.log.calls.size(), 2u);
    EXPECT_EQ(pump.log.calls[0], std::vector<std::uint8_t>(2 * kBlock, 7));
    EXPECT_EQ(pump.log.calls[1], std::vector<std::uint8_t>(kBlock, 9));
    EXPECT_EQ(pump.offset, (14 * kBlock + 3 * kBlock) % kRing);
    EXPECT_EQ(pump.buffer.lockedCount, 0);
}

TEST(CapturePump, AFailingWriterStillUnlocksAndMovesOn) {
    Pump pump;
    pump.log.failWrites = true;
    pump.buffer.Capture(2 * kBlock, 0);
    EXPECT_EQ(pump.Run(), PumpResult::Failed);
    EXPECT_EQ(pump.buffer.lockedCount, 0);
    EXPECT_EQ(pump.offset, 2 * kBlock);
}

TEST(CapturePump, ShowsTheLevelOfTheFirstRegion) {
    Pump pump;
    pump.buffer.Capture(kBlock, 0);
    pump.Run();
    EXPECT_EQ(pump.levels, std::vector<int>{0});
}

TEST(CaptureLevel, FollowsTheLogarithmOfTheMeanMagnitude) {
    const auto level = [](std::int16_t value) {
        const auto bytes = SamplesOf(value, 200);
        return CaptureLevel(bytes.data(), bytes.size());
    };
    EXPECT_EQ(level(0), 0);
    EXPECT_EQ(level(100), 0);
    EXPECT_EQ(level(1000), 18);
    EXPECT_EQ(level(10000), 39);
    EXPECT_EQ(level(32767), 51);
    EXPECT_EQ(level(-32768), 51);
}

TEST(CaptureLevel, ReadsOnlyTheFirstHundredSamplesOfLongerRegions) {
    auto bytes = SamplesOf(1000, 100);
    const auto loud = SamplesOf(32767, 100);
    bytes.insert(bytes.end(), loud.begin(), loud.end());
    EXPECT_EQ(CaptureLevel(bytes.data(), bytes.size()), 18);
    EXPECT_EQ(CaptureLevel(bytes.data(), 200), std::nullopt);
    EXPECT_EQ(CaptureLevel(bytes.data(), 201), 18);
}

}  // namespace
