#pragma once
// The system's master mute: the mute control of the speakers line of mixer
// device 0. The mixer tells the window of every control change
// (MM_MIXM_CONTROL_CHANGE), so the mute button follows changes made
// elsewhere too.

#include <windows.h>
#include <mmsystem.h>

#include <optional>

class SpeakerMute {
public:
    SpeakerMute() = default;
    ~SpeakerMute();
    SpeakerMute(const SpeakerMute&) = delete;
    SpeakerMute& operator=(const SpeakerMute&) = delete;

    // Opens the mixer with change notices to `window`; false when the system
    // has no mixer or its speakers line has no mute.
    bool Open(HWND window);
    // False when the mixer refused to close (it counts as closed all the same).
    bool Close();

    std::optional<bool> IsMuted() const;
    bool SetMuted(bool muted);
    // Whether a change notice is about this mixer's mute control.
    bool IsMuteChange(WPARAM mixer, LPARAM control) const;

private:
    // For all channels of the mute control, values in `values`.
    MIXERCONTROLDETAILS Details(MIXERCONTROLDETAILS_BOOLEAN* values) const;

    HMIXER mixer_ = nullptr;  // owned
    DWORD muteControl_ = 0;
    DWORD muteChannels_ = 1;
};
