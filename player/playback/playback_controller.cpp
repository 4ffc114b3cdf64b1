#include "playback/playback_controller.h"

#include "common/helpers/web_url.h"

#include <algorithm>

namespace {
// The gap between the end of a scrolling title and its start.
constexpr std::size_t kMarqueeGap = 30;

// Short enough for the status line beside the buttons.
const wchar_t* RefusalText(SecureConnectionProblem problem) {
    switch (problem) {
    case SecureConnectionProblem::UntrustedCertificate: return L"Untrusted certificate";
    case SecureConnectionProblem::ExpiredCertificate: return L"Expired certificate";
    case SecureConnectionProblem::OtherNameCertificate: return L"Wrong site certificate";
    case SecureConnectionProblem::NotSecure: break;
    }
    return L"Insecure connection";
}
}  // namespace

PlaybackController::PlaybackController(MediaPlayer& player, PlaybackView& view,
                                       std::shared_ptr<NowPlaying> nowPlaying)
    : player_(player), view_(view), nowPlaying_(std::move(nowPlaying)) {}

void PlaybackController::SelectStation(const StationInfo& station) {
    station_ = StationInfo{};
    station_.name = station.name;
    station_.homepage = station.homepage;
    station_.streamlink = station.streamlink;
    station_.banner = station.banner;
    nowPlaying_->SetSource({station.current, station.tfirst, station.tsecond});
    nowPlaying_->SetTitle({});
    if (wide_) {
        StopMarquee();
        view_.ShowStatus(status_, false);
    }
    view_.StartNowPlayingFetch();
    SelectCurrentStation();
}

// Whatever brings a station back ends the playback of a recording: the
// recorder's next stop would otherwise take the station for the recording
// and stop it.
void PlaybackController::SelectCurrentStation() {
    if (playingRecording_) {
        playingRecording_ = false;
        view_.StopPlayIndicator();
    }
    AimAtStationStream();
    started_ = !player_.Url().empty();
    view_.ShowStation(station_);
    view_.ShowNowPlaying(station_.name, nowPlaying_->Title());
}

// A station's stream comes from the directory (or from a favourite taken from
// it): a share or a file there would have the media player open it, and a
// share on an outside host with a logon attempt. Such a station plays nothing.
void PlaybackController::AimAtStationStream() {
    player_.SetUrl(IsStreamUrl(station_.streamlink) ? station_.streamlink : std::wstring());
}

StationInfo PlaybackController::GetCurrentStation() const { return station_; }

void PlaybackController::Stop() {
    player_.Stop();
    started_ = false;
    if (playingRecording_) {
        playingRecording_ = false;
        view_.StopPlayIndicator();
    }
    ShowStatus(L"Ready");
    view_.ShowNowPlaying({}, {});
}

void PlaybackController::PlayAgain() {
    // A released recording leaves the player empty, yet Play still brings
    // the station back.
    if (player_.Url().empty() && station_.streamlink.empty()) return;
    SelectCurrentStation();
    player_.Play();
}

void PlaybackController::PlayOrStop() {
    if (started_) {
        Stop();
    } else {
        PlayAgain();
    }
}

void PlaybackController::OnVolumeSlider(int position) {
    if (position > 0) player_.SetVolume(position);
}

void PlaybackController::PlayRecordingFile(const std::wstring& path) {
    player_.SetUrl(path);
    playingRecording_ = true;
    started_ = true;
    view_.ShowNowPlaying({}, {});
}

void PlaybackController::StopRecordingPlayback() {
    if (!playingRecording_) return;
    playingRecording_ = false;
    started_ = false;
    player_.Stop();
}

void PlaybackController::ReleaseRecordingFile(const std::wstring& path) {
    if (player_.Url() != path) return;
    // Pointing the player at the station here would only open a connection
    // for the stop to close.
    player_.SetUrl({});
    Stop();
}

void PlaybackController::OnScheduledRecording(const StationInfo& station, bool stop) {
    if (stop) {
        Stop();
        return;
    }
    StationInfo withoutTitleSource;
    withoutTitleSource.name = station.name;
    withoutTitleSource.homepage = station.homepage;
    withoutTitleSource.streamlink = station.streamlink;
    withoutTitleSource.banner = station.banner;
    SelectStation(withoutTitleSource);
}

void PlaybackController::OnOpenStateChange(int state) {
    switch (state) {
    case MediaOpenState::kLocating: ShowStatus(L"Loading..."); break;
    case MediaOpenState::kConnecting: ShowStatus(L"Connecting..."); break;
    case MediaOpenState::kOpening: ShowStatus(L"Opening..."); break;
    default: break;
    }
}

void PlaybackController::OnPlayStateChange(int state) {
    playState_ = state;
    StopMarquee();
    switch (state) {
    case MediaPlayState::kStopped:
    case MediaPlayState::kReady: ShowStatus(L"Ready"); break;
    case MediaPlayState::kPlaying:
        ShowStatus(L"Playing");
        if (!nowPlaying_->Title().empty()) StartMarquee(kMarqueeFirstStepMs, false);
        break;
    case MediaPlayState::kBuffering: ShowStatus(L"Buffering..."); break;
    case MediaPlayState::kEnded:
        if (playingRecording_) SelectCurrentStation();
        ShowStatus(L"Ready");
        break;
    default: ShowStatus(status_); break;
    }
}

// The player reports a finished recording with this and with the ended play
// state, in an order of its own choosing; whichever comes first ends the
// recording's playback and brings the station back.
void PlaybackController::OnEndOfStream() {
    if (playingRecording_) SelectCurrentStation();
}

void PlaybackController::OnStreamTitle(const std::wstring& title) {
    if (title.empty() || !nowPlaying_->GetSource().current.empty()) return;
    nowPlaying_->SetTitle(title);
    OnNowPlayingReady(true);
}

void PlaybackController::OnReconnecting() {
    StopMarquee();
    ShowStatus(L"Reconnecting...");
}

// Shown until the next state: it says why the station stays silent.
void PlaybackController::OnSecureConnectionRefused(SecureConnectionProblem problem) {
    playState_ = MediaPlayState::kStopped;
    StopMarquee();
    ShowStatus(RefusalText(problem));
}

void PlaybackController::ShowSiteRefused(SecureConnectionProblem problem) {
    if (playState_ != MediaPlayState::kPlaying) ShowStatus(RefusalText(problem));
}

void PlaybackController::OnMarqueeTimer() {
    if (playState_ != MediaPlayState::kPlaying || marquee_.empty()) {
        StopMarquee();
        view_.ShowStatus(status_, false);
        return;
    }
    std::rotate(marquee_.begin(), marquee_.begin() + 1, marquee_.end());
    view_.ShowStatus(marquee_, true);
}

void PlaybackController::OnNowPlayingReady(bool success) {
    if (success && started_ && !playingRecording_)
        view_.ShowNowPlaying(station_.name, nowPlaying_->Title());
    if (success && playState_ == MediaPlayState::kPlaying && !nowPlaying_->Title().empty())
        StartMarquee(kMarqueeFreshTitleMs, true);
}

void PlaybackController::ShowStatus(std::wstring text) {
    status_ = std::move(text);
    view_.ShowStatus(status_, wide_);
}

void PlaybackController::StartMarquee(unsigned periodMs, bool showNow) {
    wide_ = true;
    marquee_ = nowPlaying_->Title() + std::wstring(kMarqueeGap, L' ');
    view_.ShowStatus(showNow ? marquee_ : status_, true);
    view_.StartMarqueeTimer(periodMs);
}

void PlaybackController::StopMarquee() {
    view_.StopMarqueeTimer();
    wide_ = false;
    marquee_.clear();
}
