// The playback controller against a scripted media player: what the status
// line shows through a station's life, the marquee of the title now playing,
// and recordings played back through the station's player.

#include "playback/playback_controller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

class FakePlayer : public MediaPlayer {
public:
    void SetUrl(const std::wstring& url) override {
        url_ = url;
        calls.push_back(L"url " + url);
    }
    std::wstring Url() const override { return url_; }
    void Stop() override { calls.push_back(L"stop"); }
    void Play() override { calls.push_back(L"play"); }
    int Volume() const override { return volume; }
    void SetVolume(int value) override { volume = value; }

    std::vector<std::wstring> calls;
    int volume = 50;

private:
    std::wstring url_;
};

// Writes down what the window would show, one line per change.
class RecordingView : public PlaybackView {
public:
    void ShowStatus(const std::wstring& text, bool wide) override {
        log.push_back((wide ? L"wide " : L"") + text);
    }
    void ShowStation(const StationInfo& station) override { log.push_back(L"station " + station.name); }
    void StartMarqueeTimer(unsigned periodMs) override {
        log.push_back(L"timer " + std::to_wstring(periodMs));
    }
    void StopMarqueeTimer() override { ++timerStops; }
    void StartNowPlayingFetch() override { log.push_back(L"fetch"); }
    void StopPlayIndicator() override { log.push_back(L"indicator off"); }
    void ShowNowPlaying(const std::wstring& station, const std::wstring& title) override {
        nowPlayingShown = station + L"|" + title;
    }

    // The log since the last call.
    std::vector<std::wstring> Take() { return std::exchange(log, {}); }

    std::vector<std::wstring> log;
    int timerStops = 0;
    std::wstring nowPlayingShown;  // what the tray tip would say
};

StationInfo Station(std::wstring name, std::wstring current = L"") {
    StationInfo station;
    station.name = name;
    station.streamlink = L"http://streams/" + name;
    station.banner = L"http://banners/" + name;
    station.current = current;
    station.tfirst = L"<t>";
    station.tsecond = L"</t>";
    return station;
}

using Lines = std::vector<std::wstring>;

struct Controller : testing::Test {
    FakePlayer player;
    RecordingView view;
    std::shared_ptr<NowPlaying> nowPlaying = std::make_shared<NowPlaying>();
    PlaybackController controller{player, view, nowPlaying};
};

TEST_F(Controller, StatusFollowsOpeningAndPlayingAndAStationChangeForgetsTheOldTitle) {
    controller.SelectStation(Station(L"Alpha", L"http://alpha/now"));
    EXPECT_EQ(view.Take(), (Lines{L"fetch", L"station Alpha"}));
    EXPECT_EQ(player.Url(), L"http://streams/Alpha");
    EXPECT_EQ(nowPlaying->GetSource().current, L"http://alpha/now");

    for (int open : {9, 10, 12, 21, 13}) controller.OnOpenStateChange(open);
    for (int play : {6, 3}) controller.OnPlayStateChange(play);
    EXPECT_EQ(view.Take(), (Lines{L"Loading...", L"Connecting...", L"Opening...",
                                  L"Buffering...", L"Playing"}));

    // The title arrives while playing: it scrolls at once, one character a step.
    nowPlaying->SetTitle(L"Song");
    controller.OnNowPlayingReady(true);
    controller.OnMarqueeTimer();
    const std::wstring gap(30, L' ');
    EXPECT_EQ(view.Take(), (Lines{L"wide Song" + gap, L"timer 500", L"wide ong" + gap + L"S"}));

    // Buffering ends the marquee; playing again starts it after a second.
    controller.OnPlayStateChange(6);
    controller.OnPlayStateChange(3);
    EXPECT_EQ(view.Take(), (Lines{L"Buffering...", L"Playing", L"wide Playing", L"timer 1000"}));

    // A station without a title page never shows the previous station's title.
    controller.SelectStation(Station(L"Beta"));
    controller.OnPlayStateChange(3);
    EXPECT_EQ(view.Take(), (Lines{L"Playing", L"fetch", L"station Beta", L"Playing"}));
    EXPECT_TRUE(nowPlaying->Title().empty());
}

TEST_F(Controller, MarqueeRunsOnlyWhilePlayingAndAFailedFetchStartsNone) {
    controller.SelectStation(Station(L"Alpha", L"http://alpha/now"));
    nowPlaying->SetTitle(L"Song");
    controller.OnNowPlayingReady(true);  // not playing yet
    controller.OnPlayStateChange(3);
    controller.OnNowPlayingReady(false);
    view.Take();
    controller.OnPlayStateChange(1);
    controller.OnMarqueeTimer();  // a tick already queued ends the timer and scrolls nothing
    EXPECT_EQ(view.Take(), (Lines{L"Ready", L"Ready"}));
    EXPECT_EQ(controller.StatusText(), L"Ready");
}

TEST_F(Controller, RadioTitlesScrollOnlyForStationsWithoutATitlePage) {
    controller.SelectStation(Station(L"Paged", L"http://paged/now"));
    controller.OnPlayStateChange(3);
    controller.OnStreamTitle(L"From the stream");
    EXPECT_TRUE(nowPlaying->Title().empty());

    controller.SelectStation(Station(L"Radio"));
    controller.OnPlayStateChange(3);
    view.Take();
    controller.OnStreamTitle(L"Song");
    const std::wstring gap(30, L' ');
    EXPECT_EQ(view.Take(), (Lines{L"wide Song" + gap, L"timer 500"}));

    // A dropped stream says so, and its title scrolls again once it plays.
    controller.OnReconnecting();
    controller.OnPlayStateChange(3);
    EXPECT_EQ(view.Take(), (Lines{L"Reconnecting...", L"Playing", L"wide Playing", L"timer 1000"}));
}

// A refused https station says why in the status line, and its title page,
// which may still come in, scrolls nothing over the reason.
TEST_F(Controller, ARefusedSecureStationSaysWhyAndScrollsNothing) {
    controller.SelectStation(Station(L"Secure", L"https://secure/now"));
    controller.OnPlayStateChange(3);
    nowPlaying->SetTitle(L"Song");
    controller.OnNowPlayingReady(true);
    view.Take();
    controller.OnSecureConnectionRefused(SecureConnectionProblem::ExpiredCertificate);
    controller.OnNowPlayingReady(true);
    controller.OnMarqueeTimer();
    EXPECT_EQ(view.Take(), (Lines{L"Expired certificate", L"Expired certificate"}));

    const std::pair<SecureConnectionProblem, const wchar_t*> reasons[] = {
        {SecureConnectionProblem::UntrustedCertificate, L"Untrusted certificate"},
        {SecureConnectionProblem::OtherNameCertificate, L"Wrong site certificate"},
        {SecureConnectionProblem::NotSecure, L"Insecure connection"},
    };
    for (const auto& [problem, text] : reasons) {
        controller.OnSecureConnectionRefused(problem);
        EXPECT_EQ(controller.StatusText(), text);
    }

    // The directory site refused at a refresh: said unless a station plays.
    controller.ShowSiteRefused(SecureConnectionProblem::UntrustedCertificate);
    EXPECT_EQ(controller.StatusText(), L"Untrusted certificate");
    controller.OnPlayStateChange(3);
    controller.ShowSiteRefused(SecureConnectionProblem::ExpiredCertificate);
    EXPECT_EQ(controller.StatusText(), L"Playing");
}

TEST_F(Controller, StopPlayAgainAndTheVolumeRule) {
    controller.PlayAgain();  // nothing to play yet
    EXPECT_TRUE(player.calls.empty());
    controller.SelectStation(Station(L"Alpha"));
    controller.Stop();
    controller.PlayAgain();
    EXPECT_EQ(player.calls, (Lines{L"url http://streams/Alpha", L"stop",
                                   L"url http://streams/Alpha", L"play"}));
    EXPECT_EQ(controller.StatusText(), L"Ready");

    controller.OnVolumeSlider(30);
    controller.OnVolumeSlider(0);
    EXPECT_EQ(player.volume, 30);
    EXPECT_EQ(controller.GetCurrentStation().banner, L"http://banners/Alpha");
    EXPECT_TRUE(controller.GetCurrentStation().current.empty());
}

// The player reports the end of a recording twice, in an order of its own.
TEST_F(Controller, ARecordingThatEndsBringsTheStationBackWhicheverEndComesFirst) {
    for (bool endOfStreamFirst : {true, false}) {
        SCOPED_TRACE(endOfStreamFirst);
        controller.SelectStation(Station(L"Alpha"));
        controller.PlayRecordingFile(L"C:\\My Recordings\\Recording001.wav");
        view.Take();
        if (endOfStreamFirst) controller.OnEndOfStream();
        controller.OnPlayStateChange(8);
        if (!endOfStreamFirst) controller.OnEndOfStream();
        const Lines log = view.Take();
        EXPECT_EQ(std::count(log.begin(), log.end(), L"indicator off"), 1);
        EXPECT_EQ(std::count(log.begin(), log.end(), L"station Alpha"), 1);
        EXPECT_EQ(log.back(), L"Ready");
        EXPECT_EQ(player.Url(), L"http://streams/Alpha");
    }
}

TEST_F(Controller, TheRecorderStopsAndReleasesOnlyItsOwnFile) {
    controller.SelectStation(Station(L"Alpha"));
    controller.StopRecordingPlayback();  // the station plays: nothing to stop
    controller.ReleaseRecordingFile(L"C:\\rec\\a.wav");  // not the player's file
    player.calls.clear();

    controller.PlayRecordingFile(L"C:\\rec\\a.wav");
    controller.ReleaseRecordingFile(L"C:\\rec\\a.wav");
    EXPECT_EQ(player.calls, (Lines{L"url C:\\rec\\a.wav", L"url ", L"stop"}))
        << "the release opens no connection to the station";
    view.Take();
    controller.OnEndOfStream();  // the release ended the recording's playback
    EXPECT_TRUE(view.Take().empty());
    player.calls.clear();
    controller.PlayAgain();
    EXPECT_EQ(player.calls, (Lines{L"url http://streams/Alpha", L"play"}));

    controller.PlayRecordingFile(L"C:\\rec\\b.wav");
    player.calls.clear();
    controller.StopRecordingPlayback();
    controller.StopRecordingPlayback();
    EXPECT_EQ(player.calls, (Lines{L"stop"}));
}

// A directory (or a favourite taken from it) may name a share or a file as a
// stream; the media player would open either. Such a station plays nothing,
// and neither does "play again" on it, while a recording still plays its file.
TEST_F(Controller, StationsPlayOnlyStreamingAddresses) {
    for (const wchar_t* hostile : {L"\\\\host\\share\\a.mp3", L"file:///C:/Windows/win.ini",
                                   L"C:\\rec\\a.wav", L"ms-settings:privacy", L"mms:/", L""}) {
        StationInfo station = Station(L"Hostile");
        station.streamlink = hostile;
        controller.SelectStation(station);
        EXPECT_EQ(player.Url(), L"") << hostile;
        controller.PlayAgain();
        EXPECT_EQ(player.Url(), L"") << hostile;
    }
    for (const wchar_t* stream : {L"http://s.example/a", L"HTTPS://s.example/a", L"mms://s.example/a",
                                  L"mmsh://s.example/a", L"rtsp://s.example/a"}) {
        StationInfo station = Station(L"Fine");
        station.streamlink = stream;
        controller.SelectStation(station);
        EXPECT_EQ(player.Url(), stream);
    }
    controller.PlayRecordingFile(L"C:\\rec\\a.wav");
    EXPECT_EQ(player.Url(), L"C:\\rec\\a.wav");
}

// A scheduled start while a recording plays back: the station it starts must
// survive the recorder's stop that follows, or the recorder records silence.
TEST_F(Controller, ChoosingAStationEndsThePlaybackOfARecording) {
    controller.SelectStation(Station(L"Alpha"));
    controller.PlayRecordingFile(L"C:\\rec\\a.wav");
    view.Take();
    controller.OnScheduledRecording(Station(L"Gamma"), false);
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), L"indicator off"), 1);
    player.calls.clear();
    controller.StopRecordingPlayback();
    EXPECT_EQ(player.calls, Lines{});
    EXPECT_EQ(player.Url(), L"http://streams/Gamma");

    controller.PlayRecordingFile(L"C:\\rec\\a.wav");
    controller.SelectCurrentStation();
    player.calls.clear();
    controller.StopRecordingPlayback();
    EXPECT_TRUE(player.calls.empty());
}

TEST_F(Controller, AScheduledRecordingMakesItsStationCurrentAndItsStopStops) {
    controller.SelectStation(Station(L"Alpha", L"http://alpha/now"));
    controller.OnScheduledRecording(Station(L"Gamma", L"http://gamma/now"), false);
    EXPECT_EQ(controller.GetCurrentStation().name, L"Gamma");
    EXPECT_TRUE(nowPlaying->GetSource().current.empty());
    player.calls.clear();
    controller.OnScheduledRecording(Station(L"Gamma"), true);
    EXPECT_EQ(player.calls, (Lines{L"stop"}));
    EXPECT_EQ(controller.GetCurrentStation().name, L"Gamma");
}

// Play/Pause stops whatever plays, a recording as much as a station, and
// plays the station again after any stop; the tray tip follows.
TEST_F(Controller, ThePlayPauseKeyStopsWhatPlaysAndPlaysTheStationAfterAStop) {
    controller.PlayOrStop();  // nothing chosen yet
    EXPECT_TRUE(player.calls.empty());

    controller.SelectStation(Station(L"Radio"));
    EXPECT_EQ(view.nowPlayingShown, L"Radio|");
    controller.OnPlayStateChange(3);
    controller.OnStreamTitle(L"Song");
    EXPECT_EQ(view.nowPlayingShown, L"Radio|Song");
    player.calls.clear();
    controller.PlayOrStop();
    EXPECT_EQ(view.nowPlayingShown, L"|");
    controller.PlayOrStop();
    EXPECT_EQ(player.calls, (Lines{L"stop", L"url http://streams/Radio", L"play"}));
    EXPECT_EQ(view.nowPlayingShown, L"Radio|Song");

    // Stopped with the button, the key plays again; a recording stops.
    controller.Stop();
    player.calls.clear();
    controller.PlayOrStop();
    EXPECT_EQ(player.calls, (Lines{L"url http://streams/Radio", L"play"}));
    controller.PlayRecordingFile(L"C:\\rec\\a.wav");
    view.Take();
    controller.PlayOrStop();
    EXPECT_EQ(view.Take().front(), L"indicator off");
    EXPECT_EQ(controller.StatusText(), L"Ready");
}

}  // namespace
