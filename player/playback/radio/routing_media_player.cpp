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

// The player that had the address lets it go first. One that was given
// nothing is left alone: an empty address still costs the control a tear-down
// of its media graph, which held the window for over 100 ms at the first
// station chosen.
void RoutingMediaPlayer::SetUrl(const std::wstring& url) {
    if (!url_.empty()) Active().SetUrl(L"");
    url_ = url;
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
