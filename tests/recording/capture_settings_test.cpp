#include "common/ports/registry_memory.h"
#include "host/player_settings.h"
#include "recording/capture/capture_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(CaptureSettings, StoredChoicesAreFoundByCaseInsensitivePrefix) {
    MemoryRegistry registry;
    const std::vector<std::wstring> devices = {L"Primary Sound Capture Driver", L"Monitor of Null Output"};
    EXPECT_EQ(StoredDeviceEntry(registry, devices), 0u);
    EXPECT_EQ(StoredFileFormat(registry), RecordingFileFormat::Mp3);

    SaveCaptureSettings(registry, {L"Monitor of Null Output", L"44100 Hz, 16-bit Stereo",
                                   RecordingFileFormat::Wav});
    auto key = registry.OpenKey(RegistryRoot::CurrentUser, kPlayerKey, true);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->ReadString(kFormatValue), L"44100 Hz, 16-bit Stereo");
    EXPECT_EQ(key->ReadString(kFileFormatValue), L"WAV");
    EXPECT_EQ(StoredDeviceEntry(registry, devices), 1u);
    EXPECT_EQ(StoredFileFormat(registry), RecordingFileFormat::Wav);

    key->WriteString(kDeviceValue, L"monitor");
    key->WriteString(kFileFormatValue, L"ogg");
    EXPECT_EQ(StoredDeviceEntry(registry, devices), 1u);
    EXPECT_EQ(StoredFileFormat(registry), RecordingFileFormat::Mp3);
    key->WriteString(kDeviceValue, L"USB headset");
    EXPECT_EQ(StoredDeviceEntry(registry, devices), 0u);
}

}  // namespace
