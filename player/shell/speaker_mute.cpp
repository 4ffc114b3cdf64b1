#include "shell/speaker_mute.h"

SpeakerMute::~SpeakerMute() { Close(); }

bool SpeakerMute::Open(HWND window) {
    Close();
    HMIXER mixer = nullptr;
    if (mixerOpen(&mixer, 0, reinterpret_cast<DWORD_PTR>(window), 0, CALLBACK_WINDOW) !=
        MMSYSERR_NOERROR)
        return false;
    mixer_ = mixer;
    const auto object = reinterpret_cast<HMIXEROBJ>(mixer_);
    MIXERLINEW line{};
    line.cbStruct = sizeof(line);
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    if (mixerGetLineInfoW(object, &line, MIXER_GETLINEINFOF_COMPONENTTYPE) != MMSYSERR_NOERROR)
        return false;
    MIXERCONTROLW control{};
    control.cbStruct = sizeof(control);
    MIXERLINECONTROLSW controls{};
    controls.cbStruct = sizeof(controls);
    controls.dwLineID = line.dwLineID;
    controls.dwControlType = MIXERCONTROL_CONTROLTYPE_MUTE;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof(control);
    controls.pamxctrl = &control;
    if (mixerGetLineControlsW(object, &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
        MMSYSERR_NOERROR)
        return false;
    muteControl_ = control.dwControlID;
    muteChannels_ = (control.fdwControl & MIXERCONTROL_CONTROLF_UNIFORM) ? 1 : line.cChannels;
    return true;
}

bool SpeakerMute::Close() {
    if (!mixer_) return true;
    const bool closed = mixerClose(mixer_) == MMSYSERR_NOERROR;
    mixer_ = nullptr;
    muteControl_ = 0;
    return closed;
}

namespace {

constexpr DWORD kMaxChannels = 8;

}  // namespace

MIXERCONTROLDETAILS SpeakerMute::Details(MIXERCONTROLDETAILS_BOOLEAN* values) const {
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof(details);
    details.dwControlID = muteControl_;
    details.cChannels = muteChannels_ <= kMaxChannels ? muteChannels_ : 1;
    details.cbDetails = sizeof(MIXERCONTROLDETAILS_BOOLEAN);
    details.paDetails = values;
    return details;
}

std::optional<bool> SpeakerMute::IsMuted() const {
    if (!mixer_ || !muteControl_) return std::nullopt;
    MIXERCONTROLDETAILS_BOOLEAN values[kMaxChannels]{};
    MIXERCONTROLDETAILS details = Details(values);
    if (mixerGetControlDetailsW(reinterpret_cast<HMIXEROBJ>(mixer_), &details,
                                MIXER_GETCONTROLDETAILSF_VALUE) != MMSYSERR_NOERROR)
        return std::nullopt;
    return values[0].fValue != 0;
}

bool SpeakerMute::SetMuted(bool muted) {
    if (!mixer_ || !muteControl_) return false;
    MIXERCONTROLDETAILS_BOOLEAN values[kMaxChannels]{};
    MIXERCONTROLDETAILS details = Details(values);
    for (DWORD channel = 0; channel < details.cChannels; ++channel) values[channel].fValue = muted;
    return mixerSetControlDetails(reinterpret_cast<HMIXEROBJ>(mixer_), &details,
                                  MIXER_SETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
}

bool SpeakerMute::IsMuteChange(WPARAM mixer, LPARAM control) const {
    return mixer_ && reinterpret_cast<HMIXER>(mixer) == mixer_ &&
           static_cast<DWORD>(control) == muteControl_;
}
