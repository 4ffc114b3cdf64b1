#include "recording/source/recording_source.h"

#include "host/player_settings.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::uint32_t kMaxVolume = 65535;
constexpr int kSliderMax = 100;

// What sound cards call their loop-back line, in the languages the player
// met. Compared exactly: "stereo mix" is some other line.
constexpr std::array<std::wstring_view, 9> kLoopbackNames = {
    L"Stereo Mix",   L"Wave Out Mix", L"Wave/MP3",    L"Mixer",       L"Stereo-mix",
    L"Wav out mix",  L"Wave-uitgangmix Balans",       L"Wav uit mix", L"Wave uit Mix",
};

bool IsLoopbackName(const std::wstring& name) {
    return std::find(kLoopbackNames.begin(), kLoopbackNames.end(), name) != kLoopbackNames.end();
}

}  // namespace

int SliderFromVolume(std::uint32_t volume) {
    return static_cast<int>(std::uint64_t(volume) * kSliderMax / kMaxVolume);
}

std::uint32_t VolumeFromSlider(int position) {
    return static_cast<std::uint32_t>(std::clamp(position, 0, kSliderMax) * kMaxVolume / kSliderMax);
}

std::optional<int> RecordingSource::OpenRecordingMixer(std::unique_ptr<RecordingMixer> mixer) {
    mixer_ = std::move(mixer);
    // Nothing found on an earlier mixer may steer this one: with a stale
    // source index the start volume would go to some other line.
    destination_ = 0;
    selector_.reset();
    selectedItem_ = -1;
    loopbackFound_ = false;
    sourceIndex_ = 0;
    sourceLineFound_ = false;
    volumeControlId_.reset();
    if (!mixer_) return std::nullopt;
    FindRecordingSource();
    const auto volume = GetSourceVolume();
    SetSourceVolume(kStartRecordingVolume);
    if (!volume) return std::nullopt;
    return SliderFromVolume(*volume);
}

bool RecordingSource::CloseRecordingMixer() {
    if (!mixer_) return true;
    const bool closed = mixer_->Close();
    mixer_.reset();
    return closed;
}

void RecordingSource::FindRecordingSource() {
    entries_.clear();
    comboSelection_ = -1;
    if (!mixer_) return;
    const auto destination = mixer_->WaveInDestination();
    if (!destination) return;
    destination_ = *destination;

    selector_ = mixer_->FindSelector(destination_, SelectorKind::Mux);
    if (!selector_) selector_ = mixer_->FindSelector(destination_, SelectorKind::Mixer);
    if (!selector_ || selector_->itemCount == 0) return;
    const auto names = mixer_->ItemNames(*selector_);
    if (!names) return;

    ChooseItem(*names);
    entries_.push_back(kChannelPlaceholder);
    entries_.insert(entries_.end(), names->begin(), names->end());

    if (auto key = registry_.OpenKey(RegistryRoot::CurrentUser, kPlayerKey, false)) {
        if (auto line = key->ReadDword(kLineValue); line && *line < selector_->itemCount) {
            selectedItem_ = static_cast<int>(*line);
        }
    }
    // A stored choice is used even while the combo shows "Selecteer"; only
    // the automatic search makes the combo show an item.
    comboSelection_ = loopbackFound_ ? selectedItem_ + 1 : 0;
    StoreLine();
    FindSourceLine(entries_[static_cast<std::size_t>(comboSelection_)]);
}

void RecordingSource::ChooseItem(const std::vector<std::wstring>& names) {
    loopbackFound_ = false;
    const auto found = std::find_if(names.begin(), names.end(), IsLoopbackName);
    if (found == names.end()) return;
    selectedItem_ = static_cast<int>(found - names.begin());
    loopbackFound_ = true;
}

void RecordingSource::FindSourceLine(const std::wstring& name) {
    sourceIndex_ = 0;
    sourceLineFound_ = true;
    for (std::uint32_t source = 0;; ++source) {
        const auto lineName = mixer_->SourceLineName(destination_, source);
        if (!lineName) break;
        if (*lineName == name) {
            sourceIndex_ = source;
            break;
        }
    }
    volumeControlId_ = mixer_->VolumeControlId(destination_, sourceIndex_);
}

void RecordingSource::StoreLine() {
    if (selectedItem_ < 0) return;
    if (auto key = registry_.CreateKey(RegistryRoot::CurrentUser, kPlayerKey)) {
        key->WriteDword(kLineValue, static_cast<std::uint32_t>(selectedItem_));
    }
}

void RecordingSource::SelectRecordingSource() {
    if (!mixer_ || !selector_ || selectedItem_ < 0 ||
        static_cast<std::uint32_t>(selectedItem_) >= selector_->itemCount) {
        return;
    }
    auto values = mixer_->SelectorValues(*selector_);
    if (!values || values->size() != selector_->itemCount) return;
    // A MUX takes one input and drops the others by itself; a MIXER would
    // keep adding the other lines to the recording.
    if (selector_->kind == SelectorKind::Mixer) std::fill(values->begin(), values->end(), false);
    (*values)[static_cast<std::size_t>(selectedItem_)] = true;
    mixer_->SetSelectorValues(*selector_, *values);
}

// Without a recording line, destination 0 and source 0 would name some other
// line, on many cards one the speakers play; its volume is left alone.
std::optional<std::uint32_t> RecordingSource::GetSourceVolume() {
    if (!mixer_ || !sourceLineFound_) return std::nullopt;
    return mixer_->Volume(destination_, sourceIndex_);
}

void RecordingSource::SetSourceVolume(std::uint32_t volume) {
    if (mixer_ && sourceLineFound_) mixer_->SetVolume(destination_, sourceIndex_, volume);
}

void RecordingSource::OnChannelChosen(int entry, int sliderPosition) {
    if (!mixer_ || !selector_ || entry <= 0 || entry >= static_cast<int>(entries_.size())) return;
    selectedItem_ = entry - 1;
    comboSelection_ = entry;
    StoreLine();
    SelectRecordingSource();
    FindSourceLine(entries_[static_cast<std::size_t>(entry)]);
    SetSourceVolume(VolumeFromSlider(sliderPosition));
}

std::optional<int> RecordingSource::OnMixerControlChange(std::uint32_t controlId,
                                                         bool windowVisible) {
    if (!windowVisible || !mixer_) return std::nullopt;
    if (selector_ && controlId == selector_->controlId) {
        const auto values = mixer_->SelectorValues(*selector_);
        const auto item = static_cast<std::size_t>(selectedItem_);
        if (selectedItem_ >= 0 && values && item < values->size() && !(*values)[item]) {
            SelectRecordingSource();
        }
        return std::nullopt;
    }
    if (volumeControlId_ && controlId == *volumeControlId_) {
        if (const auto volume = GetSourceVolume()) return SliderFromVolume(*volume);
    }
    return std::nullopt;
}
