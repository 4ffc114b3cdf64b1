#pragma once
// The media player the main window talks to: web addresses go to the radio
// engine first, which plays MP3 and AAC radio itself and hands anything else
// (Ogg, WMA, HLS, a server it cannot reach) over to the media player control;
// local files, the recordings among them, go to the control straight away.
// Whichever of the two has the current address answers for it.

#include "playback/media_player.h"
#include "playback/radio/radio_engine.h"

#include <string>

class RoutingMediaPlayer : public MediaPlayer {
public:
    // `control` reports to the same events as the engine is given here. It is
    // borrowed: its owner creates and closes it, and keeps it while this lives.
    RoutingMediaPlayer(MediaPlayer& control, MediaPlayerEvents& events);

    void SetUrl(const std::wstring& url) override;
    std::wstring Url() const override { return url_; }
    void Stop() override { Active().Stop(); }
    void Play() override { Active().Play(); }
    int Volume() const override { return control_.Volume(); }
    void SetVolume(int volume) override;

private:
    MediaPlayer& Active();
    void HandOverToControl(const std::wstring& url);

    MediaPlayer& control_;
    RadioEngine engine_;
    std::wstring url_;
    bool engineHasIt_ = false;
};
