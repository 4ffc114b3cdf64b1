#include "recording/source/winmm_recording_mixer.h"

namespace {

MIXERCONTROLDETAILS Details(DWORD controlId, DWORD items, DWORD itemSize, void* values) {
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = controlId;
    details.cChannels = 1;
    details.cMultipleItems = items;
    details.cbDetails = itemSize;
    details.paDetails = values;
    return details;
}

// One control's details: an entry per item of a multiple-item control, or
// a single value (items 0) on one uniform channel.
template <class Detail>
std::optional<std::vector<Detail>> ReadDetails(HMIXEROBJ mixer, DWORD controlId, DWORD items,
                                               DWORD what) {
    std::vector<Detail> details(items ? items : 1);
    MIXERCONTROLDETAILS request = Details(controlId, items, sizeof(Detail), details.data());
    if (mixerGetControlDetailsW(mixer, &request, MIXER_OBJECTF_HMIXER | what) != MMSYSERR_NOERROR) {
        return std::nullopt;
    }
    return details;
}

DWORD ControlType(SelectorKind kind) {
    return kind == SelectorKind::Mux ? MIXERCONTROL_CONTROLTYPE_MUX : MIXERCONTROL_CONTROLTYPE_MIXER;
}

}  // namespace

std::unique_ptr<WinmmRecordingMixer> WinmmRecordingMixer::Open(HWND callbackWindow) {
    if (mixerGetNumDevs() == 0) return nullptr;
    HMIXER mixer = nullptr;
    const DWORD callback = callbackWindow ? CALLBACK_WINDOW : 0;
    if (mixerOpen(&mixer, 0, reinterpret_cast<DWORD_PTR>(callbackWindow), 0, callback) !=
        MMSYSERR_NOERROR) {
        return nullptr;
    }
    MIXERCAPSW caps{};
    if (mixerGetDevCapsW(reinterpret_cast<UINT_PTR>(mixer), &caps, sizeof caps) != MMSYSERR_NOERROR) {
        mixerClose(mixer);
        return nullptr;
    }
    return std::unique_ptr<WinmmRecordingMixer>(new WinmmRecordingMixer(mixer));
}

WinmmRecordingMixer::~WinmmRecordingMixer() { Close(); }

bool WinmmRecordingMixer::Close() {
    if (!mixer_) return true;
    const bool closed = mixerClose(mixer_) == MMSYSERR_NOERROR;
    mixer_ = nullptr;
    return closed;
}

std::optional<MIXERLINEW> WinmmRecordingMixer::LineInfo(MIXERLINEW query, DWORD by) {
    query.cbStruct = sizeof query;
    if (mixerGetLineInfoW(Object(), &query, MIXER_OBJECTF_HMIXER | by) != MMSYSERR_NOERROR) {
        return std::nullopt;
    }
    return query;
}

std::optional<std::uint32_t> WinmmRecordingMixer::WaveInDestination() {
    MIXERLINEW query{};
    query.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_WAVEIN;
    const auto line = LineInfo(query, MIXER_GETLINEINFOF_COMPONENTTYPE);
    if (!line) return std::nullopt;
    return line->dwDestination;
}

std::optional<MIXERCONTROLW> WinmmRecordingMixer::ControlOfType(DWORD lineId, DWORD type) {
    MIXERCONTROLW control{};
    control.cbStruct = sizeof control;
    MIXERLINECONTROLSW controls{};
    controls.cbStruct = sizeof controls;
    controls.dwLineID = lineId;
    controls.dwControlType = type;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof control;
    controls.pamxctrl = &control;
    if (mixerGetLineControlsW(Object(), &controls,
                              MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
        MMSYSERR_NOERROR) {
        return std::nullopt;
    }
    return control;
}

std::optional<MixerSelector> WinmmRecordingMixer::FindSelector(std::uint32_t destination,
                                                               SelectorKind kind) {
    MIXERLINEW query{};
    query.dwDestination = destination;
    const auto line = LineInfo(query, MIXER_GETLINEINFOF_DESTINATION);
    if (!line) return std::nullopt;
    const auto control = ControlOfType(line->dwLineID, ControlType(kind));
    if (!control) return std::nullopt;
    return MixerSelector{control->dwControlID, kind, control->cMultipleItems};
}

std::optional<std::vector<std::wstring>> WinmmRecordingMixer::ItemNames(const MixerSelector& selector) {
    const auto texts = ReadDetails<MIXERCONTROLDETAILS_LISTTEXTW>(
        Object(), selector.controlId, selector.itemCount, MIXER_GETCONTROLDETAILSF_LISTTEXT);
    if (!texts) return std::nullopt;
    std::vector<std::wstring> names;
    for (const auto& text : *texts) {
        names.emplace_back(text.szName, wcsnlen(text.szName, std::size(text.szName)));
    }
    return names;
}

std::optional<std::vector<bool>> WinmmRecordingMixer::SelectorValues(const MixerSelector& selector) {
    const auto values = ReadDetails<MIXERCONTROLDETAILS_BOOLEAN>(
        Object(), selector.controlId, selector.itemCount, MIXER_GETCONTROLDETAILSF_VALUE);
    if (!values) return std::nullopt;
    std::vector<bool> result;
    for (const auto& value : *values) result.push_back(value.fValue != 0);
    return result;
}

bool WinmmRecordingMixer::SetSelectorValues(const MixerSelector& selector,
                                            const std::vector<bool>& values) {
    std::vector<MIXERCONTROLDETAILS_BOOLEAN> raw(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) raw[i].fValue = values[i] ? 1 : 0;
    MIXERCONTROLDETAILS details = Details(selector.controlId, static_cast<DWORD>(raw.size()),
                                          sizeof(MIXERCONTROLDETAILS_BOOLEAN), raw.data());
    return mixerSetControlDetails(Object(), &details,
                                  MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE) ==
           MMSYSERR_NOERROR;
}

std::optional<MIXERLINEW> WinmmRecordingMixer::SourceLine(std::uint32_t destination,
                                                          std::uint32_t source) {
    MIXERLINEW query{};
    query.dwDestination = destination;
    query.dwSource = source;
    return LineInfo(query, MIXER_GETLINEINFOF_SOURCE);
}

std::optional<std::wstring> WinmmRecordingMixer::SourceLineName(std::uint32_t destination,
                                                               std::uint32_t source) {
    const auto line = SourceLine(destination, source);
    if (!line) return std::nullopt;
    return std::wstring(line->szName, wcsnlen(line->szName, std::size(line->szName)));
}

std::optional<std::uint32_t> WinmmRecordingMixer::VolumeControlId(std::uint32_t destination,
                                                                  std::uint32_t source) {
    const auto line = SourceLine(destination, source);
    if (!line) return std::nullopt;
    const auto control = ControlOfType(line->dwLineID, MIXERCONTROL_CONTROLTYPE_VOLUME);
    if (!control) return std::nullopt;
    return control->dwControlID;
}

std::optional<std::uint32_t> WinmmRecordingMixer::Volume(std::uint32_t destination,
                                                         std::uint32_t source) {
    const auto controlId = VolumeControlId(destination, source);
    if (!controlId) return std::nullopt;
    const auto value = ReadDetails<MIXERCONTROLDETAILS_UNSIGNED>(Object(), *controlId, 0,
                                                                 MIXER_GETCONTROLDETAILSF_VALUE);
    if (!value) return std::nullopt;
    return value->front().dwValue;
}

bool WinmmRecordingMixer::SetVolume(std::uint32_t destination, std::uint32_t source,
                                    std::uint32_t volume) {
    const auto controlId = VolumeControlId(destination, source);
    if (!controlId) return false;
    MIXERCONTROLDETAILS_UNSIGNED value{volume};
    MIXERCONTROLDETAILS details = Details(*controlId, 0, sizeof value, &value);
    return mixerSetControlDetails(Object(), &details,
                                  MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE) ==
           MMSYSERR_NOERROR;
}
