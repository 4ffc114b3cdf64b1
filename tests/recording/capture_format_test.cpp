#include "recording/capture/capture_format.h"
#include "recording/capture/capture_format_choice.h"
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

TEST(CaptureFormatChoice, TakesFortyFourKilohertzStereoAfterOneLookWhenOffered) {
    OfferingDevice device({48000, 44100, 22050});
    for (const RecordingFileFormat fileFormat : {RecordingFileFormat::Wav, RecordingFileFormat::Mp3}) {
        device.asked = 0;
        const auto chosen = ChooseCaptureFormat(device, fileFormat);
        ASSERT_TRUE(chosen);
        EXPECT_EQ(chosen->text, L"44100 Hz, 16-bit Stereo");
        EXPECT_EQ(chosen->candidate, 7);
        EXPECT_EQ(device.asked, 1);
    }
}

TEST(CaptureFormatChoice, ElseTheFirstCandidateTheFileFormatAllows) {
    OfferingDevice highAndLow({48000, 22050});
    EXPECT_EQ(ChooseCaptureFormat(highAndLow, RecordingFileFormat::Wav)->text, L"48000 Hz, 8-bit Mono");
    // MP3 takes only 16-bit sound at high rates, and never asks about the rest.
    highAndLow.asked = 0;
    EXPECT_EQ(ChooseCaptureFormat(highAndLow, RecordingFileFormat::Mp3)->text, L"48000 Hz, 16-bit Mono");
    EXPECT_EQ(highAndLow.asked, 2);

    OfferingDevice lowRate({22050});
    EXPECT_EQ(ChooseCaptureFormat(lowRate, RecordingFileFormat::Mp3), std::nullopt);
    EXPECT_EQ(ChooseCaptureFormat(lowRate, RecordingFileFormat::Wav)->text, L"22050 Hz, 8-bit Mono");
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
