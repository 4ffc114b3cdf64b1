#include "common/ports/registry_memory.h"
#include "host/player_settings.h"
#include "recording/source/recording_source.h"

#include <gtest/gtest.h>

namespace {

// A sound card mixer: one wave-in destination (index 1) with a selector over
// named items and source lines with volumes.
struct MixerState {
    bool hasDestination = true;
    std::optional<SelectorKind> kind = SelectorKind::Mux;
    std::vector<std::wstring> items;
    std::vector<bool> values;
    std::vector<std::wstring> sourceLines;
    std::vector<std::uint32_t> volumes;
    int setSelectorCalls = 0;
    bool closeFails = false;
};

constexpr std::uint32_t kDestination = 1;
constexpr std::uint32_t kSelectorId = 77;
constexpr std::uint32_t kVolumeIdBase = 100;

class ScriptedMixer : public RecordingMixer {
public:
    explicit ScriptedMixer(MixerState& state) : state_(state) {}

    std::optional<std::uint32_t> WaveInDestination() override {
        if (!state_.hasDestination) return std::nullopt;
        return kDestination;
    }
    std::optional<MixerSelector> FindSelector(std::uint32_t destination, SelectorKind kind) override {
        if (destination != kDestination || state_.kind != kind) return std::nullopt;
        return MixerSelector{kSelectorId, kind, static_cast<std::uint32_t>(state_.items.size())};
    }
    std::optional<std::vector<std::wstring>> ItemNames(const MixerSelector&) override {
        return state_.items;
    }
    std::optional<std::vector<bool>> SelectorValues(const MixerSelector&) override {
        return state_.values;
    }
    bool SetSelectorValues(const MixerSelector&, const std::vector<bool>& values) override {
        ++state_.setSelectorCalls;
        state_.values = values;
        return true;
    }
    std::optional<std::wstring> SourceLineName(std::uint32_t, std::uint32_t source) override {
        if (source >= state_.sourceLines.size()) return std::nullopt;
        return state_.sourceLines[source];
    }
    std::optional<std::uint32_t> VolumeControlId(std::uint32_t, std::uint32_t source) override {
        if (source >= state_.sourceLines.size()) return std::nullopt;
        return kVolumeIdBase + source;
    }
    std::optional<std::uint32_t> Volume(std::uint32_t, std::uint32_t source) override {
        if (source >= state_.volumes.size()) return std::nullopt;
        return state_.volumes[source];
    }
    bool SetVolume(std::uint32_t, std::uint32_t source, std::uint32_t volume) override {
        if (source >= state_.volumes.size()) return false;
        state_.volumes[source] = volume;
        return true;
    }
    bool Close() override { return !state_.closeFails; }

private:
    MixerState& state_;
};

class RecordingSourceTest : public ::testing::Test {
protected:
    void UseItems(std::vector<std::wstring> items) {
        mixer_.items = items;
        mixer_.values.assign(items.size(), false);
        mixer_.sourceLines = items;
        mixer_.volumes.assign(items.size(), 65535);
    }
    std::optional<int> Open() { return source_.OpenRecordingMixer(std::make_unique<ScriptedMixer>(mixer_)); }
    std::optional<std::uint32_t> StoredLine() {
        auto key = registry_.OpenKey(RegistryRoot::CurrentUser, kPlayerKey, false);
        return key ? key->ReadDword(kLineValue) : std::nullopt;
    }
    void StoreLine(std::uint32_t line) {
        registry_.CreateKey(RegistryRoot::CurrentUser, kPlayerKey)->WriteDword(kLineValue, line);
    }

    MemoryRegistry registry_;
    MixerState mixer_;
    RecordingSource source_{registry_};
};

TEST_F(RecordingSourceTest, TheFirstLoopbackItemInMixerOrderWins) {
    UseItems({L"Line In", L"Stereo Mix", L"Mixer"});
    Open();
    EXPECT_TRUE(source_.LoopbackFound());
    EXPECT_EQ(source_.SelectedItem(), 1);
    EXPECT_EQ(source_.ChannelEntries(),
              (std::vector<std::wstring>{L"Selecteer", L"Line In", L"Stereo Mix", L"Mixer"}));
    EXPECT_EQ(source_.ChannelSelection(), 2);
    EXPECT_EQ(StoredLine(), 1u);
    EXPECT_EQ(source_.SourceIndex(), 1u);
    EXPECT_EQ(source_.VolumeControl(), kVolumeIdBase + 1);
}

TEST_F(RecordingSourceTest, NamesMatchOnlyExactly) {
    UseItems({L"stereo mix", L"Stereo Mix 2", L"Microphone"});
    Open();
    EXPECT_FALSE(source_.LoopbackFound());
    EXPECT_EQ(source_.SelectedItem(), -1);
    EXPECT_EQ(source_.ChannelSelection(), 0);
    EXPECT_EQ(StoredLine(), std::nullopt);
    EXPECT_EQ(source_.SourceIndex(), 0u);
}

TEST_F(RecordingSourceTest, AStoredLineWinsWhenItNamesAnItem) {
    UseItems({L"Line In", L"CD", L"Stereo Mix"});
    StoreLine(5);
    Open();
    EXPECT_EQ(source_.SelectedItem(), 2);

    StoreLine(1);
    Open();
    EXPECT_EQ(source_.SelectedItem(), 1);
    EXPECT_EQ(source_.ChannelSelection(), 2);
    EXPECT_EQ(StoredLine(), 1u);
}

TEST_F(RecordingSourceTest, AStoredLineIsUsedEvenWhileTheComboShowsSelecteer) {
    UseItems({L"Line In", L"Microphone"});
    StoreLine(1);
    Open();
    source_.SelectRecordingSource();
    EXPECT_EQ(source_.ChannelSelection(), 0);
    EXPECT_EQ(mixer_.values, (std::vector<bool>{false, true}));
}

TEST_F(RecordingSourceTest, OpeningSetsTheStartVolumeAndReportsTheOldOne) {
    UseItems({L"Line In", L"Stereo Mix"});
    mixer_.volumes = {0, 32767};
    EXPECT_EQ(Open(), 49);
    EXPECT_EQ(mixer_.volumes[1], 16100u);
    EXPECT_EQ(SliderFromVolume(65535), 100);
    EXPECT_EQ(VolumeFromSlider(50), 32767u);
    EXPECT_EQ(VolumeFromSlider(100), 65535u);
}

TEST_F(RecordingSourceTest, WithoutAMixerNothingHappens) {
    EXPECT_EQ(source_.OpenRecordingMixer(nullptr), std::nullopt);
    EXPECT_TRUE(source_.ChannelEntries().empty());
    source_.SelectRecordingSource();
    EXPECT_EQ(source_.GetSourceVolume(), std::nullopt);
    EXPECT_TRUE(source_.CloseRecordingMixer());
}

TEST_F(RecordingSourceTest, WithoutASelectorTheChannelListStaysEmpty) {
    UseItems({L"Stereo Mix"});
    mixer_.kind.reset();
    Open();
    EXPECT_TRUE(source_.ChannelEntries().empty());
    source_.SelectRecordingSource();
    EXPECT_EQ(mixer_.setSelectorCalls, 0);
}

TEST_F(RecordingSourceTest, AMuxKeepsItsOtherValuesAMixerDropsThem) {
    UseItems({L"Line In", L"Stereo Mix"});
    mixer_.values = {true, false};
    Open();
    source_.SelectRecordingSource();
    EXPECT_EQ(mixer_.values, (std::vector<bool>{true, true}));

    mixer_.kind = SelectorKind::Mixer;
    mixer_.values = {true, false};
    Open();
    source_.SelectRecordingSource();
    EXPECT_EQ(mixer_.values, (std::vector<bool>{false, true}));
}

TEST_F(RecordingSourceTest, ChoosingAChannelSelectsItAndAppliesTheSlider) {
    UseItems({L"Line In", L"Stereo Mix", L"CD"});
    Open();
    source_.OnChannelChosen(3, 50);
    EXPECT_EQ(source_.SelectedItem(), 2);
    EXPECT_EQ(StoredLine(), 2u);
    EXPECT_TRUE(mixer_.values[2]);
    EXPECT_EQ(source_.SourceIndex(), 2u);
    EXPECT_EQ(mixer_.volumes[2], 32767u);

    const int calls = mixer_.setSelectorCalls;
    source_.OnChannelChosen(0, 10);
    EXPECT_EQ(source_.SelectedItem(), 2);
    EXPECT_EQ(mixer_.setSelectorCalls, calls);
}

TEST_F(RecordingSourceTest, AnotherProgramsSwitchIsUndoneOnlyWhileVisible) {
    UseItems({L"Microphone", L"Stereo Mix"});
    Open();
    source_.SelectRecordingSource();
    mixer_.values = {true, false};
    source_.OnMixerControlChange(kSelectorId, false);
    EXPECT_EQ(mixer_.values, (std::vector<bool>{true, false}));
    source_.OnMixerControlChange(kSelectorId, true);
    EXPECT_TRUE(mixer_.values[1]);

    mixer_.volumes[1] = 65535;
    EXPECT_EQ(source_.OnMixerControlChange(kVolumeIdBase + 1, true), 100);
    EXPECT_EQ(source_.OnMixerControlChange(kVolumeIdBase + 1, false), std::nullopt);
}

TEST_F(RecordingSourceTest, AReopenedMixerWithoutASelectorStartsFromTheFirstLine) {
    UseItems({L"Line In", L"CD", L"Stereo Mix"});
    Open();
    ASSERT_EQ(source_.SourceIndex(), 2u);

    mixer_.kind.reset();
    mixer_.volumes = {1000, 1000, 1000};
    Open();
    EXPECT_EQ(source_.SourceIndex(), 0u);
    EXPECT_EQ(source_.VolumeControl(), std::nullopt);
    // No recording line was found, so no line's volume is touched.
    EXPECT_EQ(mixer_.volumes, (std::vector<std::uint32_t>{1000, 1000, 1000}));
}

TEST_F(RecordingSourceTest, WithoutARecordingLineNoVolumeIsReadOrWritten) {
    for (bool destination : {false, true}) {
        SCOPED_TRACE(destination ? "no selector" : "no recording destination");
        UseItems({L"Wave", L"Stereo Mix"});
        mixer_.hasDestination = destination;
        mixer_.kind.reset();
        mixer_.volumes = {1000, 1000};
        EXPECT_EQ(Open(), std::nullopt);
        source_.OnVolumeScroll(80);
        EXPECT_EQ(source_.GetSourceVolume(), std::nullopt);
        EXPECT_EQ(mixer_.volumes, (std::vector<std::uint32_t>{1000, 1000}));
    }
}

TEST_F(RecordingSourceTest, ClosingReportsARefusal) {
    UseItems({L"Stereo Mix"});
    mixer_.closeFails = true;
    Open();
    EXPECT_FALSE(source_.CloseRecordingMixer());
}

}  // namespace
