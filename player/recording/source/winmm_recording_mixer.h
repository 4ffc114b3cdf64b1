#pragma once
// The recording mixer over the winmm mixer API, on mixer device 0. Control
// changes arrive as MM_MIXM_CONTROL_CHANGE at the callback window.

#include "recording/source/recording_mixer.h"

#include <windows.h>
#include <mmsystem.h>

#include <memory>

class WinmmRecordingMixer : public RecordingMixer {
public:
    // Null when the system has no mixer or it cannot be opened.
    static std::unique_ptr<WinmmRecordingMixer> Open(HWND callbackWindow);
    ~WinmmRecordingMixer() override;

    // To tell our notifications from those of another mixer.
    HMIXER Handle() const { return mixer_; }

    std::optional<std::uint32_t> WaveInDestination() override;
    std::optional<MixerSelector> FindSelector(std::uint32_t destination, SelectorKind kind) override;
    std::optional<std::vector<std::wstring>> ItemNames(const MixerSelector& selector) override;
    std::optional<std::vector<bool>> SelectorValues(const MixerSelector& selector) override;
    bool SetSelectorValues(const MixerSelector& selector, const std::vector<bool>& values) override;
    std::optional<std::wstring> SourceLineName(std::uint32_t destination, std::uint32_t source) override;
    std::optional<std::uint32_t> VolumeControlId(std::uint32_t destination,
                                                 std::uint32_t source) override;
    std::optional<std::uint32_t> Volume(std::uint32_t destination, std::uint32_t source) override;
    bool SetVolume(std::uint32_t destination, std::uint32_t source, std::uint32_t volume) override;
    bool Close() override;

private:
    explicit WinmmRecordingMixer(HMIXER mixer) : mixer_(mixer) {}
    HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(mixer_); }
    std::optional<MIXERLINEW> LineInfo(MIXERLINEW query, DWORD by);
    std::optional<MIXERLINEW> SourceLine(std::uint32_t destination, std::uint32_t source);
    std::optional<MIXERCONTROLW> ControlOfType(DWORD lineId, DWORD type);

    HMIXER mixer_;  // owned; closed by Close or the destructor
};
