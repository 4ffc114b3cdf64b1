#pragma once
// Chooses the sound card's loop-back line ("Stereo Mix" and its kin) as the
// recording input, lets the user override the choice through the channel
// combo, keeps it in the registry value "Line", drives the chosen line's
// recording volume from the 0..100 volume slider, and puts the choice back
// when another program changes it. Runs on the recorder's window thread; the
// window shows ChannelEntries in its channel combo and moves its slider to
// the positions returned here.

#include "common/ports/registry.h"
#include "recording/source/recording_mixer.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

inline constexpr wchar_t kLineValue[] = L"Line";
inline constexpr wchar_t kChannelPlaceholder[] = L"Selecteer";
// Every opening of the recorder sets the chosen line to this recording volume.
inline constexpr std::uint32_t kStartRecordingVolume = 16100;

int SliderFromVolume(std::uint32_t volume);
std::uint32_t VolumeFromSlider(int position);

class RecordingSource {
public:
    explicit RecordingSource(Registry& registry) : registry_(registry) {}

    // Takes the opened mixer (null when the card has none or it failed to
    // open: the recorder then works with whatever input the card uses),
    // finds the source and sets the start volume. Returns the slider
    // position for the volume found, nothing when it could not be read.
    std::optional<int> OpenRecordingMixer(std::unique_ptr<RecordingMixer> mixer);
    // False when the mixer refused to close ("Error closing mixer!").
    bool CloseRecordingMixer();

    void FindRecordingSource();
    void SelectRecordingSource();

    std::optional<std::uint32_t> GetSourceVolume();
    void SetSourceVolume(std::uint32_t volume);

    void OnChannelChosen(int entry, int sliderPosition);
    void OnVolumeScroll(int sliderPosition) { SetSourceVolume(VolumeFromSlider(sliderPosition)); }
    // A control of our mixer changed. Returns the slider's new position when
    // it was the volume; undoes a changed input selection. Ignored while the
    // recorder is hidden.
    std::optional<int> OnMixerControlChange(std::uint32_t controlId, bool windowVisible);

    // "Selecteer" and then the selector's items in mixer order: entry k+1 is
    // item k.
    const std::vector<std::wstring>& ChannelEntries() const { return entries_; }
    int ChannelSelection() const { return comboSelection_; }
    int SelectedItem() const { return selectedItem_; }
    bool LoopbackFound() const { return loopbackFound_; }
    std::uint32_t SourceIndex() const { return sourceIndex_; }
    std::optional<std::uint32_t> VolumeControl() const { return volumeControlId_; }

private:
    void ChooseItem(const std::vector<std::wstring>& names);
    void FindSourceLine(const std::wstring& name);
    void StoreLine();

    Registry& registry_;
    std::unique_ptr<RecordingMixer> mixer_;
    std::uint32_t destination_ = 0;
    std::optional<MixerSelector> selector_;
    int selectedItem_ = -1;
    bool loopbackFound_ = false;
    std::uint32_t sourceIndex_ = 0;
    // Set once a line of the recording destination was chosen; until then
    // no volume is read or written.
    bool sourceLineFound_ = false;
    std::optional<std::uint32_t> volumeControlId_;
    std::vector<std::wstring> entries_;
    int comboSelection_ = -1;
};
