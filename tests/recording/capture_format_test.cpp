#include "recording/capture/capture_format.h"
#include "recording/capture/capture_format_list.h"
#include "tests/recording/fake_capture.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

TEST(CaptureFormat, CandidatesRunThroughRatesAndLayouts) {
    EXPECT_EQ(CaptureFormatCandidate(0), (CaptureFormat{48000, 8, 1}));
    EXPECT_EQ(CaptureFormatCandidate(7), (CaptureFormat{44100, 16, 2}));
    EXPECT_EQ(CaptureFormatCandidate(9), (CaptureFormat{22050, 16, 1}));
    EXPECT_EQ(CaptureFormatCandidate(19), (CaptureFormat{8000, 16, 2}));
    EXPECT_EQ(CaptureFormatText(CaptureFormatCandidate(7)), L"44100 Hz, 16-bit Stereo");
    EXPECT_EQ(CaptureFormatText(CaptureFormatCandidate(16)), L"8000 Hz, 8-bit Mono");
    EXPECT_EQ(CaptureFormatCandidate(7).AvgBytesPerSec(), 176400u);
}

TEST(CaptureFormat, BlocksAreAnEighthOfASecondInWholeFrames) {
    EXPECT_EQ(CaptureNotifySize({8000, 8, 1}), 1024u);
    EXPECT_EQ(CaptureBufferSize({8000, 8, 1}), 32768u);
    EXPECT_EQ(CaptureNotifySize({22050, 16, 1}), 5512u);
    EXPECT_EQ(CaptureNotifySize({44100, 16, 2}), 22048u);
    EXPECT_EQ(CaptureBufferSize({44100, 16, 2}), 705536u);
    // 11025 Hz 8-bit stereo: 22050 / 8 = 2756, a whole number of 2-byte frames.
    EXPECT_EQ(CaptureNotifySize({11025, 8, 2}) % 2, 0u);
}

TEST(CaptureFormatList, Mp3KeepsOnlySixteenBitAtHighRates) {
    OfferingDevice device({48000, 44100, 22050});
    const auto wav = BuildFormatList(device, RecordingFileFormat::Wav);
    ASSERT_EQ(wav.size(), 12u);
    EXPECT_EQ(wav.front().candidate, 0);
    const auto mp3 = BuildFormatList(device, RecordingFileFormat::Mp3);
    ASSERT_EQ(mp3.size(), 4u);
    EXPECT_EQ(mp3[0].text, L"48000 Hz, 16-bit Mono");
    EXPECT_EQ(mp3[3].text, L"44100 Hz, 16-bit Stereo");
    EXPECT_EQ(DefaultFormatEntry(mp3), 3u);
}

TEST(CaptureFormatList, Mp3OnALowRateDeviceHasNoFormat) {
    OfferingDevice device({22050});
    EXPECT_TRUE(BuildFormatList(device, RecordingFileFormat::Mp3).empty());
    EXPECT_EQ(DefaultFormatEntry({}), std::nullopt);
    const auto wav = BuildFormatList(device, RecordingFileFormat::Wav);
    EXPECT_EQ(DefaultFormatEntry(wav), 0u);
}

}  // namespace

#include "recording/capture/capture_device_list.h"

namespace {

TEST(CaptureDeviceList, KeepsTwentyDevicesWithAGuidAndTheDefaultDevice) {
    std::vector<bool> hasGuid(23, true);
    hasGuid[0] = false;  // the default capture device
    hasGuid[22] = false;
    const auto listed = ListedCaptureDevices(hasGuid);
    ASSERT_EQ(listed.size(), 22u);
    EXPECT_EQ(listed[20], 20u);
    EXPECT_EQ(listed[21], 22u);
}

}  // namespace
