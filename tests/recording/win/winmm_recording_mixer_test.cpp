// The recording mixer over Wine's real winmm mixer. With the PulseAudio null
// sink, Wine's mixer device 0 is its playback device: one destination whose
// only source line is "Master Volume", and no wave-in destination, so no
// recording selector. That source line's volume control is a stub in Wine 8:
// it reads 0 and keeps nothing written to it, though the write succeeds. So
// the start volume and the volume handed back at the opening cannot be seen
// here; the host tests check them, and the choice of a line, over a
// scripted mixer. Here the winmm calls meet a real mixer.

#include "common/ports/registry_win32.h"
#include "host/player_settings.h"
#include "recording/source/recording_source.h"
#include "recording/source/winmm_recording_mixer.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kPlayback = 0;
constexpr std::uint32_t kMasterLine = 0;

TEST(WinmmRecordingMixer, WinesMixerIsOnePlaybackLineWithAStubVolume) {
    auto mixer = WinmmRecordingMixer::Open(nullptr);
    ASSERT_TRUE(mixer) << "no mixer device: is the PulseAudio null sink running?";
    EXPECT_FALSE(mixer->WaveInDestination());
    EXPECT_FALSE(mixer->FindSelector(kPlayback, SelectorKind::Mux));
    EXPECT_FALSE(mixer->FindSelector(kPlayback, SelectorKind::Mixer));
    EXPECT_EQ(mixer->SourceLineName(kPlayback, kMasterLine), L"Master Volume");
    EXPECT_FALSE(mixer->SourceLineName(kPlayback, kMasterLine + 1));
    EXPECT_TRUE(mixer->VolumeControlId(kPlayback, kMasterLine));
    EXPECT_FALSE(mixer->VolumeControlId(kPlayback, kMasterLine + 1));

    EXPECT_EQ(mixer->Volume(kPlayback, kMasterLine), 0u);
    EXPECT_TRUE(mixer->SetVolume(kPlayback, kMasterLine, kStartRecordingVolume));
    EXPECT_EQ(mixer->Volume(kPlayback, kMasterLine), 0u);
    EXPECT_FALSE(mixer->SetVolume(kPlayback, kMasterLine + 1, kStartRecordingVolume));
    EXPECT_TRUE(mixer->Close());
    EXPECT_TRUE(mixer->Close()) << "a second close has nothing left to close";
}

TEST(WinmmRecordingMixer, WithoutARecordingSelectorNothingIsListedChosenOrStored) {
    Win32Registry registry;
    registry.DeleteKeyTree(RegistryRoot::CurrentUser, kPlayerKey);
    auto mixer = WinmmRecordingMixer::Open(nullptr);
    ASSERT_TRUE(mixer) << "no mixer device: is the PulseAudio null sink running?";
    const auto playbackControl = mixer->VolumeControlId(kPlayback, kMasterLine);
    ASSERT_TRUE(playbackControl);

    RecordingSource source(registry);
    source.OpenRecordingMixer(std::move(mixer));
    source.SelectRecordingSource();
    EXPECT_TRUE(source.ChannelEntries().empty());
    EXPECT_EQ(source.ChannelSelection(), -1);
    EXPECT_EQ(source.SelectedItem(), -1);
    EXPECT_FALSE(source.LoopbackFound());
    EXPECT_EQ(source.OnMixerControlChange(*playbackControl, true), std::nullopt)
        << "the playback volume was taken for the recording line's";
    EXPECT_TRUE(source.CloseRecordingMixer());
    EXPECT_EQ(registry.OpenKey(RegistryRoot::CurrentUser, kPlayerKey, false), nullptr)
        << "no \"Line\" is stored without a selector";
}

}  // namespace
