#include "playback/radio/routing_media_player.h"

#include "common/helpers/web_url.h"

RoutingMediaPlayer::RoutingMediaPlayer(MediaPlayer& control, MediaPlayerEvents& events,
                                       std::shared_ptr<StreamTap> tap)
    : control_(control),
      engine_(events, [this](const std::wstring& url) { HandOverToControl(url); }, std::move(tap)) {
    engine_.SetVolume(control_.Volume());
}

MediaPlayer& RoutingMediaPlayer::Active() {
    if (engineHasIt_) return engine_;
    return control_;
}

void RoutingMediaPlayer::SetUrl(const std::wstring& url) {
    url_ = url;
    Active().SetUrl(L"");
    engineHasIt_ = IsWebUrl(url);
    Active().SetUrl(url);
}

void RoutingMediaPlayer::SetVolume(int volume) {
    control_.SetVolume(volume);
    engine_.SetVolume(volume);
}

void RoutingMediaPlayer::HandOverToControl(const std::wstring& url) {
    engineHasIt_ = false;
    control_.SetUrl(url);
}

bool RoutingMediaPlayer::ControlPlaysStream() const { return !engineHasIt_ && IsWebUrl(url_); }
