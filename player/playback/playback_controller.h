#pragma once
// The playback side of the main window: which station is current, what the
// status line says while the media player opens and plays it, the title now
// playing scrolled as a marquee, the volume, and the player lent to the
// recorder for playing back recordings. The window only wires it to its
// controls, timers and panes (PlaybackView).

#include "directory/now_playing.h"
#include "host/station_info.h"
#include "playback/media_player.h"

#include <memory>
#include <string>

// What the controller asks of the window around it.
class PlaybackView {
public:
    // The status line's text; `wide` while a marquee runs, since a title
    // needs the whole width of the window.
    virtual void ShowStatus(const std::wstring& text, bool wide) = 0;
    // The station became current (or was applied again): station button,
    // banner and the panes that show the station.
    virtual void ShowStation(const StationInfo& station) = 0;
    virtual void StartMarqueeTimer(unsigned periodMs) = 0;
    virtual void StopMarqueeTimer() = 0;
    // A fetch of the title now playing for the current source.
    virtual void StartNowPlayingFetch() = 0;
    // The recorder's play indicator goes out (the recording stopped playing).
    virtual void StopPlayIndicator() = 0;
    // What plays now, for the tray icon's tip: the station and its title,
    // either empty (both when nothing plays).
    virtual void ShowNowPlaying(const std::wstring& station, const std::wstring& title) {
        static_cast<void>(station);
        static_cast<void>(title);
    }

protected:
    ~PlaybackView() = default;
};

inline constexpr unsigned kMarqueeFirstStepMs = 1000;  // after "Playing"
inline constexpr unsigned kMarqueeFreshTitleMs = 500;  // after a new title arrived

class PlaybackController : public MediaPlayerEvents {
public:
    PlaybackController(MediaPlayer& player, PlaybackView& view,
                       std::shared_ptr<NowPlaying> nowPlaying);

    // Makes the station current and plays it. Its now-playing source (which
    // may be empty) replaces the previous station's, and the previous title
    // is forgotten, so another station's title never scrolls.
    void SelectStation(const StationInfo& station);
    // Applies the current station again and hands its stream to the player;
    // a recording playing back ends, and the recorder's play indicator goes out.
    void SelectCurrentStation();
    // Name, homepage, streamlink and banner of the current station.
    StationInfo GetCurrentStation() const;
    bool HasStation() const { return !station_.name.empty(); }

    void Stop();
    void PlayAgain();
    // The Play/Pause key: radio has nothing to pause, so it stops what plays
    // and plays the station again after a stop.
    void PlayOrStop();
    // Slider positions above 0 become the player's volume; 0 is not applied.
    void OnVolumeSlider(int position);

    // The recorder plays a recording through the station's player.
    void PlayRecordingFile(const std::wstring& path);
    void StopRecordingPlayback();
    // Lets go of the file (to rename or delete it) when the player has it.
    void ReleaseRecordingFile(const std::wstring& path);

    // A scheduled recording starts (its station becomes current) or stops.
    void OnScheduledRecording(const StationInfo& station, bool stop);

    void OnOpenStateChange(int state) override;
    void OnPlayStateChange(int state) override;
    void OnEndOfStream() override;
    // A station without a now-playing page of its own scrolls the title its
    // stream announces instead.
    void OnStreamTitle(const std::wstring& title) override;
    void OnReconnecting() override;
    void OnSecureConnectionRefused(SecureConnectionProblem problem) override;
    // The directory site was refused: the status line says why, unless a
    // station plays, whose status matters more.
    void ShowSiteRefused(SecureConnectionProblem problem);
    void OnMarqueeTimer();
    void OnNowPlayingReady(bool success);

    const std::wstring& StatusText() const { return status_; }
    int PlayState() const { return playState_; }

private:
    void AimAtStationStream();
    void ShowStatus(std::wstring text);
    void StartMarquee(unsigned periodMs, bool showNow);
    void StopMarquee();

    MediaPlayer& player_;
    PlaybackView& view_;
    std::shared_ptr<NowPlaying> nowPlaying_;  // shared with the fetch workers
    StationInfo station_;
    std::wstring status_ = L"Ready";
    std::wstring marquee_;
    bool wide_ = false;  // a marquee runs
    int playState_ = 0;
    bool playingRecording_ = false;
    bool started_ = false;  // something was set playing and not stopped since
};
