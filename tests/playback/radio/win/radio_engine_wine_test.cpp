// The radio engine against the demo site's radio streams on loopback, with
// its sound going to the PulseAudio null sink and heard back on its monitor.

#include "playback/radio/mp3_frame.h"
#include "playback/radio/radio_engine.h"
#include "playback/radio/radio_session.h"
#include "playback/radio/routing_media_player.h"
#include "playback/radio/stream_connection_wininet.h"
#include "tests/playback/radio/audio_frames.h"
#include "tests/support/site_under_test.h"

#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it builds on
#include <mmsystem.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
    std::string bytes(text.size() * 3, '\0');
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                            bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(size > 0 ? size : 0);
    return bytes;
}

class RecordedEvents : public MediaPlayerEvents {
public:
    void OnOpenStateChange(int state) override { openStates.push_back(state); }
    void OnPlayStateChange(int state) override {
        playStates.push_back(state);
        if (state == MediaPlayState::kPlaying) lastPlaying = GetTickCount64();
    }
    void OnEndOfStream() override {}
    void OnStreamTitle(const std::wstring& title) override { titles.insert(title); }
    void OnReconnecting() override {
        ++reconnects;
        lastReconnect = GetTickCount64();
    }
    void OnSecureConnectionRefused(SecureConnectionProblem problem) override {
        refusals.push_back(problem);
    }

    // What the engine reported, for a failed check to show.
    std::string Seen() const {
        std::ostringstream text;
        text << "open states:";
        for (int state : openStates) text << ' ' << state;
        text << "; play states:";
        for (int state : playStates) text << ' ' << state;
        text << "; titles:";
        for (const std::wstring& title : titles) text << " \"" << Utf8(title) << '"';
        text << "; reconnects: " << reconnects << "; refusals:";
        for (SecureConnectionProblem problem : refusals) text << ' ' << static_cast<int>(problem);
        return text.str();
    }

    std::vector<int> openStates;
    std::vector<int> playStates;
    std::set<std::wstring> titles;
    int reconnects = 0;
    std::vector<SecureConnectionProblem> refusals;
    ULONGLONG lastPlaying = 0;
    ULONGLONG lastReconnect = 0;
};

// Runs the message loop, as the main window does, until `done` or the time.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                  static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 50)),
                                  QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    return true;
}

constexpr unsigned kMonitorRate = 22050;

// What the null sink plays, recorded from its monitor for a while at 22050 Hz
// in mono (the message loop keeps running meanwhile); nothing when the
// monitor cannot be opened.
std::vector<std::int16_t> HeardOnMonitor(DWORD milliseconds) {
    UINT device = WAVE_MAPPER;
    for (UINT i = 0; i < waveInGetNumDevs(); ++i) {
        WAVEINCAPSW caps{};
        if (waveInGetDevCapsW(i, &caps, sizeof(caps)) == MMSYSERR_NOERROR &&
            std::wstring(caps.szPname).find(L"Monitor") != std::wstring::npos) {
            device = i;
        }
    }
    WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, kMonitorRate, kMonitorRate * 2, 2, 16, 0};
    HWAVEIN input = nullptr;
    if (waveInOpen(&input, device, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) return {};
    std::vector<std::int16_t> samples(kMonitorRate * milliseconds / 1000);
    WAVEHDR header{};
    header.lpData = reinterpret_cast<LPSTR>(samples.data());
    header.dwBufferLength = static_cast<DWORD>(samples.size() * 2);
    waveInPrepareHeader(input, &header, sizeof(header));
    waveInAddBuffer(input, &header, sizeof(header));
    waveInStart(input);
    PumpUntil([&] { return (header.dwFlags & WHDR_DONE) != 0; }, milliseconds + 5000);
    waveInReset(input);
    waveInUnprepareHeader(input, &header, sizeof(header));
    waveInClose(input);
    samples.resize(header.dwBytesRecorded / 2);
    return samples;
}

// The loudness (RMS) of what the null sink plays; -1 when nothing was heard.
double MonitorLoudness(DWORD milliseconds) {
    const std::vector<std::int16_t> samples = HeardOnMonitor(milliseconds);
    double sum = 0;
    for (std::int16_t sample : samples) sum += double(sample) * sample;
    return samples.empty() ? -1 : std::sqrt(sum / samples.size());
}

// The pitch of a steady tone on the null sink, in Hz, from the median time
// between its rises through zero (past a small threshold, so that noise does
// not count); the silence before the output is heard, and where the tune
// loops, makes a few long gaps that the median passes over. -1 when fewer
// than `rises` were heard.
double MonitorPitch(DWORD milliseconds, std::size_t rises) {
    const std::vector<std::int16_t> samples = HeardOnMonitor(milliseconds);
    constexpr int kThreshold = 500;
    std::vector<std::size_t> periods;
    std::size_t lastRise = 0;
    bool below = false;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (samples[i] < -kThreshold) below = true;
        if (below && samples[i] > kThreshold) {
            below = false;
            if (lastRise != 0) periods.push_back(i - lastRise);
            lastRise = i;
        }
    }
    if (periods.size() < rises) return -1;
    std::nth_element(periods.begin(), periods.begin() + periods.size() / 2, periods.end());
    return double(kMonitorRate) / periods[periods.size() / 2];
}

class RadioEngineTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(SiteUrl().empty()) << "no site server"; }
    bool WaitForPlaying(DWORD timeoutMs = 10000) {
        return PumpUntil([&] { return events_.lastPlaying != 0; }, timeoutMs);
    }
    void ExpectToComeBackAfterItsDrop(const wchar_t* path);

    RecordedEvents events_;
    std::vector<std::wstring> handedOver_;
    std::shared_ptr<StreamTap> tap_ = std::make_shared<StreamTap>();
    RadioEngine engine_{events_, [this](const std::wstring& url) { handedOver_.push_back(url); },
                        tap_};
};

TEST_F(RadioEngineTest, PlaysAnIcyStreamAloudAndFollowsItsTitle) {
    engine_.SetVolume(100);
    engine_.SetUrl(SiteUrl() + L"radio/icy.mp3");
    ASSERT_TRUE(WaitForPlaying()) << events_.Seen();
    EXPECT_EQ(events_.openStates,
              (std::vector<int>{MediaOpenState::kLocating, MediaOpenState::kConnecting,
                                MediaOpenState::kOpening}))
        << events_.Seen();
    EXPECT_EQ(events_.playStates,
              (std::vector<int>{MediaPlayState::kBuffering, MediaPlayState::kPlaying}));
    EXPECT_GT(MonitorLoudness(1500), 300.0) << "nothing is heard on the null sink's monitor";

    EXPECT_TRUE(PumpUntil([&] { return events_.titles.size() >= 2; }, 15000)) << events_.Seen();
    EXPECT_TRUE(events_.titles.count(L"Harbour Tunes - Morning Tide")) << events_.Seen();
    EXPECT_TRUE(events_.titles.count(L"Lounge Trio - Caf\u00E9 Nocturne")) << events_.Seen();
    EXPECT_TRUE(handedOver_.empty()) << "handed to the control: " << handedOver_.size();

    engine_.Stop();
    PumpUntil([&] { return events_.playStates.back() == MediaPlayState::kStopped; }, 2000);
    EXPECT_EQ(events_.playStates.back(), MediaPlayState::kStopped) << events_.Seen();
    EXPECT_LT(MonitorLoudness(500), 50.0) << "still playing after the stop";
}

// What the engine hands to a copy of the stream; called on its thread.
class CopiedStream : public StreamCopySink {
public:
    void OnAudio(StreamAudio audio) override {
        std::lock_guard lock(lock_);
        audio_ = audio;
        events_.push_back(audio == StreamAudio::Aac ? L"AAC" : L"MP3");
    }
    void OnTitle(const std::wstring& title) override {
        std::lock_guard lock(lock_);
        events_.push_back(L"title " + title);
    }
    void OnFrame(std::string_view frame) override {
        std::lock_guard lock(lock_);
        const auto length = audio_ == StreamAudio::Aac ? AdtsFrameLength(frame) : Mp3FrameLength(frame);
        if (length != frame.size()) ++brokenFrames_;
        if (events_.empty() || events_.back() != L"frames") events_.push_back(L"frames");
    }
    void OnStreamEnded() override {
        std::lock_guard lock(lock_);
        events_.push_back(L"end");
    }
    std::vector<std::wstring> Events() const {
        std::lock_guard lock(lock_);
        return events_;
    }
    int BrokenFrames() const {
        std::lock_guard lock(lock_);
        return brokenFrames_;
    }

private:
    mutable std::mutex lock_;
    std::optional<StreamAudio> audio_;
    std::vector<std::wstring> events_;
    int brokenFrames_ = 0;
};

// The programme announces its first title after 2 s of audio, the second
// after 6 s; the server sends 1.5 s ahead, so a drop after 7 s comes after
// both and before the third.
TEST_F(RadioEngineTest, HandsTheStreamToACopyAtVolumeZeroAndEndsItAtADrop) {
    CopiedStream copy;
    tap_->Attach(copy);
    engine_.SetVolume(0);
    engine_.SetUrl(SiteUrl() + L"drop/7/radio/live.mp3");
    ASSERT_TRUE(WaitForPlaying()) << events_.Seen();
    EXPECT_TRUE(tap_->IsLive());
    ASSERT_TRUE(PumpUntil([&] { return events_.reconnects > 0; }, 15000)) << events_.Seen();
    const auto titles = [&] {
        const auto heard = copy.Events();
        return std::count_if(heard.begin(), heard.end(),
                             [](const std::wstring& event) { return event.starts_with(L"title"); });
    };
    // After the reconnect the programme starts again, its first title too.
    EXPECT_TRUE(PumpUntil([&] { return titles() == 3 && copy.Events().back() == L"frames"; }, 10000));
    engine_.Stop();
    EXPECT_FALSE(tap_->IsLive());
    tap_->Detach();

    const std::wstring first = L"title Harbour Tunes - Morning Tide";
    const std::vector<std::wstring> expected = {
        L"MP3",    L"frames", first, L"frames", L"title Lounge Trio - Caf\u00E9 Nocturne", L"frames",
        L"end",    L"MP3",    L"frames", first, L"frames", L"end"};
    EXPECT_EQ(copy.Events(), expected);
    EXPECT_EQ(copy.BrokenFrames(), 0);
}

// An AAC station's copy gets its ADTS frames whole, as sent.
TEST_F(RadioEngineTest, HandsAnAacStationsFramesToACopy) {
    CopiedStream copy;
    tap_->Attach(copy);
    engine_.SetVolume(0);
    engine_.SetUrl(SiteUrl() + L"radio/tone.aac");
    ASSERT_TRUE(WaitForPlaying()) << events_.Seen();
    EXPECT_TRUE(PumpUntil([&] { return !events_.titles.empty(); }, 5000)) << events_.Seen();
    EXPECT_TRUE(tap_->IsLive());
    engine_.Stop();
    tap_->Detach();
    const auto heard = copy.Events();
    ASSERT_GE(heard.size(), 4u);
    EXPECT_EQ(heard[0], L"AAC");
    EXPECT_EQ(heard[1], L"frames");
    EXPECT_EQ(heard[2], L"title Tone - A 440");
    EXPECT_EQ(heard[3], L"frames");
    EXPECT_EQ(heard.back(), L"end");
    EXPECT_EQ(copy.BrokenFrames(), 0);
}

// A steady 440 Hz in AAC-LC at 44.1 kHz stereo: played at the wrong rate it
// would sound an octave off. The same stream named as MP3 by its server plays
// the same.
TEST_F(RadioEngineTest, PlaysAacAtItsPitchWhateverTypeItsServerNames) {
    engine_.SetVolume(100);
    for (const wchar_t* path : {L"radio/tone.aac", L"mislabel/radio/tone.aac"}) {
        SCOPED_TRACE(testing::Message() << "stream " << path);
        events_ = {};
        engine_.SetUrl(SiteUrl() + path);
        ASSERT_TRUE(WaitForPlaying()) << events_.Seen();
        // Half a second of the tone at least, whenever it starts to be heard.
        const double pitch = MonitorPitch(2000, 220);
        EXPECT_GT(pitch, 440 * 0.95) << events_.Seen();
        EXPECT_LT(pitch, 440 * 1.05) << events_.Seen();
        EXPECT_TRUE(PumpUntil([&] { return events_.titles.count(L"Tone - A 440") != 0; }, 5000))
            << events_.Seen();
    }
    EXPECT_TRUE(handedOver_.empty()) << "handed to the control: " << handedOver_.size();
}

// "live.aac" goes from 22.05 kHz mono to 44.1 kHz stereo and back every few
// seconds, and sends its titles in Windows-1252.
TEST_F(RadioEngineTest, AacKeepsPlayingThroughChangesOfFormatAndFollowsItsTitles) {
    engine_.SetVolume(100);
    engine_.SetUrl(SiteUrl() + L"radio/live.aac");
    ASSERT_TRUE(WaitForPlaying()) << events_.Seen();
    EXPECT_TRUE(PumpUntil([&] { return events_.titles.size() >= 2; }, 12000)) << events_.Seen();
    EXPECT_TRUE(events_.titles.count(L"Lounge Trio - Caf\u00E9 Nocturne")) << events_.Seen();
    EXPECT_TRUE(events_.titles.count(L"Pulse - Square Waves")) << events_.Seen();
    // Past two changes of format by now, and still heard.
    EXPECT_GT(MonitorLoudness(1500), 300.0) << "nothing is heard after a change of format";
    EXPECT_EQ(events_.playStates,
              (std::vector<int>{MediaPlayState::kBuffering, MediaPlayState::kPlaying}))
        << events_.Seen();
    EXPECT_EQ(events_.reconnects, 0) << events_.Seen();
}

TEST_F(RadioEngineTest, FollowsAPlaylistPastADeadEntry) {
    for (const wchar_t* list : {L"radio/live.pls", L"radio/aac.m3u"}) {
        SCOPED_TRACE(testing::Message() << "playlist " << list);
        events_ = {};
        engine_.SetUrl(SiteUrl() + list);
        ASSERT_TRUE(WaitForPlaying()) << events_.Seen();
        EXPECT_TRUE(PumpUntil([&] { return !events_.titles.empty(); }, 10000)) << events_.Seen();
    }
    EXPECT_TRUE(handedOver_.empty()) << "handed to the control: " << handedOver_.size();
}

// The site's https servers are for "localhost", signed by the run's own
// authority, which the system trusts.
TEST_F(RadioEngineTest, PlaysAStreamAndAPlaylistOverHttps) {
    ASSERT_FALSE(SecureSiteUrl().empty()) << "no https site server";
    engine_.SetVolume(100);
    engine_.SetUrl(SecureSiteUrl() + L"radio/harbour.mp3");
    ASSERT_TRUE(WaitForPlaying()) << events_.Seen();
    EXPECT_GT(MonitorLoudness(1500), 300.0) << "nothing is heard on the null sink's monitor";
    EXPECT_TRUE(PumpUntil([&] { return !events_.titles.empty(); }, 10000)) << events_.Seen();

    // The playlist's entries are https addresses too.
    events_ = RecordedEvents{};
    engine_.SetUrl(SecureSiteUrl() + L"radio/live.m3u");
    ASSERT_TRUE(WaitForPlaying()) << events_.Seen();
    EXPECT_TRUE(PumpUntil([&] { return !events_.titles.empty(); }, 10000)) << events_.Seen();
    EXPECT_TRUE(handedOver_.empty()) << "handed to the control: " << handedOver_.size();
    EXPECT_TRUE(events_.refusals.empty()) << events_.Seen();
}

// A refused server is said to be refused, and why, at once: it plays nothing,
// goes to no other player and is not tried again over plain http.
TEST_F(RadioEngineTest, RefusesCertificatesThatFailTheChecksAndARedirectToHttp) {
    ASSERT_FALSE(SecureSiteUrl().empty()) << "no https site server";
    const std::pair<std::wstring, SecureConnectionProblem> refused[] = {
        {SecureSiteUrl(L"VELMORA_TEST_SITE_OTHER_NAME_PORT") + L"radio/harbour.mp3",
         SecureConnectionProblem::OtherNameCertificate},
        {SecureSiteUrl(L"VELMORA_TEST_SITE_EXPIRED_PORT") + L"radio/live.pls",
         SecureConnectionProblem::ExpiredCertificate},
        {SecureSiteUrl(L"VELMORA_TEST_SITE_UNTRUSTED_PORT") + L"radio/harbour.mp3",
         SecureConnectionProblem::UntrustedCertificate},
        {SecureSiteUrl() + L"to-http/radio/harbour.mp3", SecureConnectionProblem::NotSecure},
    };
    for (const auto& [url, problem] : refused) {
        events_ = RecordedEvents{};
        engine_.SetUrl(url);
        ASSERT_TRUE(PumpUntil([&] { return !events_.refusals.empty(); }, 10000))
            << Utf8(url) << ": " << events_.Seen();
        EXPECT_EQ(events_.refusals, std::vector<SecureConnectionProblem>{problem})
            << Utf8(url) << ": " << events_.Seen();
        PumpUntil([] { return false; }, 1000);
        EXPECT_EQ(events_.lastPlaying, 0u) << Utf8(url) << ": " << events_.Seen();
        EXPECT_TRUE(handedOver_.empty()) << Utf8(url) << " went to the control";
    }
}

TEST_F(RadioEngineTest, ADroppedStreamComesBackByItself) {
    for (const wchar_t* path : {L"drop/3/radio/live.mp3", L"drop/3/radio/live.aac"}) {
        SCOPED_TRACE(testing::Message() << "stream " << path);
        events_ = {};
        ExpectToComeBackAfterItsDrop(path);
    }
}

void RadioEngineTest::ExpectToComeBackAfterItsDrop(const wchar_t* path) {
    engine_.SetUrl(SiteUrl() + path);
    ASSERT_TRUE(WaitForPlaying()) << events_.Seen();
    ASSERT_TRUE(PumpUntil([&] { return events_.reconnects > 0; }, 10000)) << events_.Seen();
    const ULONGLONG dropped = events_.lastReconnect;
    ASSERT_TRUE(PumpUntil([&] { return events_.lastPlaying > dropped; }, 10000)) << events_.Seen();
    EXPECT_LE(events_.lastPlaying - dropped, 5000u) << events_.Seen();
    EXPECT_EQ(std::count(events_.openStates.begin(), events_.openStates.end(),
                         MediaOpenState::kConnecting),
              1)
        << "a reconnect shows \"Reconnecting...\", not the open states";
}

TEST_F(RadioEngineTest, AStreamThatFallsSilentIsReconnectedAfterItsTimeOut) {
    engine_.SetUrl(SiteUrl() + L"freeze/2/radio/live.mp3");
    ASSERT_TRUE(WaitForPlaying()) << events_.Seen();
    const ULONGLONG started = events_.lastPlaying;
    ASSERT_TRUE(PumpUntil([&] { return events_.reconnects > 0; }, 15000)) << events_.Seen();
    EXPECT_GE(events_.lastReconnect - started, kStreamTimeoutMs);
    EXPECT_TRUE(PumpUntil([&] { return events_.lastPlaying > events_.lastReconnect; }, 5000))
        << events_.Seen();
}

TEST_F(RadioEngineTest, StopEndsAReconnectAndAStalledConnectAtOnce) {
    engine_.SetUrl(SiteUrl() + L"drop/2/radio/live.mp3");
    ASSERT_TRUE(WaitForPlaying()) << events_.Seen();
    ASSERT_TRUE(PumpUntil([&] { return events_.reconnects > 0; }, 10000)) << events_.Seen();
    ULONGLONG before = GetTickCount64();
    engine_.Stop();
    EXPECT_LT(GetTickCount64() - before, 1000u);
    const auto played = events_.lastPlaying;
    const int reconnects = events_.reconnects;
    PumpUntil([] { return false; }, 3000);
    EXPECT_EQ(events_.lastPlaying, played);
    EXPECT_EQ(events_.reconnects, reconnects);

    engine_.SetUrl(SiteUrl() + L"stall/radio/live.mp3");
    PumpUntil([&] { return events_.openStates.back() == MediaOpenState::kConnecting; }, 5000);
    before = GetTickCount64();
    engine_.Stop();
    EXPECT_LT(GetTickCount64() - before, 1000u);
}

// The engine drops a session without waiting for it; the session's thread
// holds it until its connect gives up, then ends and frees it by itself.
TEST(RadioSession, LetGoWhileConnectingItEndsByItselfLater) {
    ASSERT_FALSE(SiteUrl().empty()) << "no site server";
    const HWND window = CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        nullptr, nullptr);
    const auto tap = std::make_shared<StreamTap>();
    auto session = std::make_shared<RadioSession>(SiteUrl() + L"stall/radio/live.mp3", window,
                                                  WM_APP + 9, std::make_shared<std::atomic<int>>(0),
                                                  tap, tap->BeginFeed());
    ASSERT_TRUE(session->Start());
    bool connecting = false;
    PumpUntil(
        [&] {
            for (const RadioEvent& event : session->TakeEvents())
                connecting |= event.state == MediaOpenState::kConnecting;
            return connecting;
        },
        5000);
    ASSERT_TRUE(connecting);
    const std::weak_ptr<RadioSession> watched = session;
    session->RequestStop();
    session.reset();
    EXPECT_FALSE(watched.expired()) << "the connect cannot have given up yet";
    EXPECT_TRUE(PumpUntil([&] { return watched.expired(); }, kStreamTimeoutMs + 10000))
        << "the session never ended";
    DestroyWindow(window);
}

TEST_F(RadioEngineTest, HandsWhatIsNotMp3OrUnreachableToTheControl) {
    const std::wstring wave = SiteUrl() + L"streams/lounge.wav";
    engine_.SetUrl(wave);
    ASSERT_TRUE(PumpUntil([&] { return !handedOver_.empty(); }, 10000)) << events_.Seen();
    EXPECT_EQ(handedOver_, std::vector<std::wstring>{wave});

    engine_.SetUrl(NothingListensUrl());
    ASSERT_TRUE(PumpUntil([&] { return handedOver_.size() == 2; }, 15000)) << events_.Seen();
    EXPECT_EQ(handedOver_.back(), NothingListensUrl());
    EXPECT_EQ(events_.lastPlaying, 0u);
}

// The media player control as the router sees it.
class FakeControl : public MediaPlayer {
public:
    explicit FakeControl(std::vector<std::wstring>& urls) : urls_(urls) {}
    void SetUrl(const std::wstring& url) override {
        url_ = url;
        urls_.push_back(url);
    }
    std::wstring Url() const override { return url_; }
    void Stop() override {}
    void Play() override {}
    int Volume() const override { return volume_; }
    void SetVolume(int volume) override { volume_ = volume; }

private:
    std::vector<std::wstring>& urls_;
    std::wstring url_;
    int volume_ = 70;
};

TEST(RoutingMediaPlayer, PlaysMp3RadioItselfAndGivesTheRestToTheControl) {
    ASSERT_FALSE(SiteUrl().empty()) << "no site server";
    RecordedEvents events;
    std::vector<std::wstring> controlUrls;
    FakeControl control(controlUrls);
    RoutingMediaPlayer player(control, events, std::make_shared<StreamTap>());
    EXPECT_EQ(player.Volume(), 70);

    player.SetUrl(SiteUrl() + L"radio/live.mp3");
    ASSERT_TRUE(PumpUntil([&] { return events.lastPlaying != 0; }, 10000))
        << events.Seen();
    EXPECT_TRUE(controlUrls.empty()) << "the control, given nothing yet, was told "
                                     << controlUrls.size() << " addresses";

    const std::wstring recording = L"C:\\My Recordings\\Recording001.mp3";
    player.SetUrl(recording);
    EXPECT_EQ(controlUrls.back(), recording);
    EXPECT_EQ(player.Url(), recording);

    // The recording goes silent before the engine takes the next station.
    player.SetUrl(SiteUrl() + L"radio/live.mp3");
    EXPECT_EQ(controlUrls.back(), L"") << "the control kept the recording";
    player.SetUrl(recording);

    const std::wstring wave = SiteUrl() + L"streams/lounge.wav";
    player.SetUrl(wave);
    ASSERT_TRUE(PumpUntil([&] { return controlUrls.back() == wave; }, 10000)) << events.Seen();
    EXPECT_EQ(player.Url(), wave);
    player.SetVolume(30);
    EXPECT_EQ(player.Volume(), 30);
}

}  // namespace
