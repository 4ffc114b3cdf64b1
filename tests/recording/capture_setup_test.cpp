#include "recording/capture/capture_setup.h"
#include "tests/recording/fake_capture.h"

#include <gtest/gtest.h>

namespace {

TEST(CaptureSetup, ChoosesTheDefaultFormatAndBuildsAnIdleBuffer) {
    CaptureEngine engine(nullptr);
    const auto setup =
        SetUpCapture(engine, std::make_unique<OfferingDevice>(std::set<std::uint32_t>{48000, 44100}),
                     RecordingFileFormat::Mp3);
    EXPECT_EQ(setup.failed, CaptureSetupStep::Done);
    ASSERT_TRUE(setup.format);
    EXPECT_EQ(setup.format->text, L"44100 Hz, 16-bit Stereo");
    EXPECT_EQ(engine.Format(), (CaptureFormat{44100, 16, 2}));
}

TEST(CaptureSetup, EachFailedStepHasItsMessage) {
    CaptureEngine engine(nullptr);
    EXPECT_EQ(SetUpCapture(engine, nullptr, RecordingFileFormat::Wav).failed,
              CaptureSetupStep::DirectSound);

    const auto lowRate = SetUpCapture(
        engine, std::make_unique<OfferingDevice>(std::set<std::uint32_t>{22050}), RecordingFileFormat::Mp3);
    EXPECT_EQ(lowRate.failed, CaptureSetupStep::FormatList);
    EXPECT_EQ(CaptureSetupMessage(lowRate.failed, true),
              L"Can't initialize formats list.Please ensure you have 9.0 Direct X installed!");
    EXPECT_EQ(CaptureSetupMessage(lowRate.failed, false), L"Can't initialize formats list.");

    const auto noBuffer = SetUpCapture(
        engine, std::make_unique<OfferingDevice>(std::set<std::uint32_t>{22050}, false),
        RecordingFileFormat::Wav);
    EXPECT_EQ(noBuffer.failed, CaptureSetupStep::Buffer);
    ASSERT_TRUE(noBuffer.format);
    EXPECT_EQ(noBuffer.format->text, L"22050 Hz, 8-bit Mono");
    EXPECT_EQ(CaptureSetupMessage(CaptureSetupStep::Buffer, true), L"Can't create capture buffer.");
    EXPECT_EQ(CaptureSetupMessage(CaptureSetupStep::DirectSound, false),
              L"Can't initialize Direct Sound. DirectX 9.0 needed.");
    EXPECT_EQ(CaptureSetupMessage(CaptureSetupStep::Device, true), L"Can't initialize capturing device.");
}

}  // namespace
