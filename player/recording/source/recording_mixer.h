#pragma once
// The sound card's mixer as the recorder uses it: the recording selector of
// the wave-in destination (a MUX, or a MIXER that can take several inputs),
// the names of its items, and the source lines under that destination with
// their volume. The product talks to winmm (winmm_recording_mixer.h); unit
// tests use a scripted mixer. Every call may fail; failures read as nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class SelectorKind { Mux, Mixer };

struct MixerSelector {
    std::uint32_t controlId = 0;
    SelectorKind kind = SelectorKind::Mux;
    std::uint32_t itemCount = 0;
};

class RecordingMixer {
public:
    virtual ~RecordingMixer() = default;

    // The destination index of the wave-in (recording) line.
    virtual std::optional<std::uint32_t> WaveInDestination() = 0;
    virtual std::optional<MixerSelector> FindSelector(std::uint32_t destination,
                                                      SelectorKind kind) = 0;
    virtual std::optional<std::vector<std::wstring>> ItemNames(const MixerSelector& selector) = 0;
    virtual std::optional<std::vector<bool>> SelectorValues(const MixerSelector& selector) = 0;
    virtual bool SetSelectorValues(const MixerSelector& selector,
                                   const std::vector<bool>& values) = 0;

    // Source lines under the destination, by index from 0.
    virtual std::optional<std::wstring> SourceLineName(std::uint32_t destination,
                                                       std::uint32_t source) = 0;
    virtual std::optional<std::uint32_t> VolumeControlId(std::uint32_t destination,
                                                         std::uint32_t source) = 0;
    // One uniform channel, 0..65535.
    virtual std::optional<std::uint32_t> Volume(std::uint32_t destination,
                                                std::uint32_t source) = 0;
    virtual bool SetVolume(std::uint32_t destination, std::uint32_t source,
                           std::uint32_t volume) = 0;

    // False when the mixer refused to close.
    virtual bool Close() = 0;
};
