// The recording source over Wine's real winmm mixer. Wine's mixer has no
// recording selector, so this proves the calls and the quiet fall-back, not
// the choice itself (the host tests cover that).

#include "player_settings.h"
#include "recording_source.h"
#include "registry_win32.h"
#include "winmm_recording_mixer.h"

#include <gtest/gtest.h>

namespace {

TEST(WinmmRecordingMixer, OpensFindsWhatThereIsAndCloses) {
    Win32Registry registry;
    registry.DeleteKeyTree(RegistryRoot::CurrentUser, kPlayerKey);
    RecordingSource source(registry);
    auto mixer = WinmmRecordingMixer::Open(nullptr);
    if (!mixer) GTEST_SKIP() << "no mixer device";
    const bool hasSelector = mixer->WaveInDestination() &&
                             (mixer->FindSelector(*mixer->WaveInDestination(), SelectorKind::Mux) ||
                              mixer->FindSelector(*mixer->WaveInDestination(), SelectorKind::Mixer));
    source.OpenRecordingMixer(std::move(mixer));
    source.SelectRecordingSource();
    if (hasSelector) {
        EXPECT_FALSE(source.ChannelEntries().empty());
    } else {
        EXPECT_TRUE(source.ChannelEntries().empty());
        EXPECT_EQ(source.SelectedItem(), -1);
    }
    EXPECT_TRUE(source.CloseRecordingMixer());
    registry.DeleteKeyTree(RegistryRoot::CurrentUser, kPlayerKey);
}

}  // namespace
