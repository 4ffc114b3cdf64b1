#pragma once
// The media player port over the system's media player control, embedded
// and never shown. The control is called through its typed interfaces
// (IWMPPlayer4 and the controls and settings objects it hands out): some
// builds of it answer no IDispatch at all, while every build serves these.

#include "common/com/ole_control.h"
#include "playback/media_player.h"

#include <windows.h>
#include <wmp.h>

class CWMPPlayer : public MediaPlayer {
public:
    // Creates the control in `window` (the hidden placeholder of the main
    // window) and sends its open, play and end-of-stream events to `events`.
    bool Create(HWND window, MediaPlayerEvents& events);
    void Close() { control_.Close(); }

    void SetUrl(const std::wstring& url) override;
    std::wstring Url() const override;
    void Stop() override;
    void Play() override;
    int Volume() const override;
    void SetVolume(int volume) override;

private:
    ComPtr<IWMPPlayer4> Player() const;
    ComPtr<IWMPControls> Controls() const;
    ComPtr<IWMPSettings> Settings() const;

    OleControl control_;
};
