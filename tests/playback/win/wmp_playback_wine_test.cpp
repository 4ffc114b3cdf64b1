// The system's media player control behind the media player port, driven by
// the playback controller: a WAV recording in the player's folder plays,
// which the PulseAudio null sink's monitor hears, and the control's events
// move the status line.

#include "playback/playback_controller.h"
#include "playback/wmp_player.h"
#include "recording/capture/capture_engine.h"
#include "recording/capture/capture_setup.h"
#include "recording/capture/directsound_capture.h"
#include "tests/support/site_under_test.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr wchar_t kMonitorName[] = L"Monitor of Null Output";
constexpr DWORD kListenLimitMs = 20000;

class StatusLog : public PlaybackView {
public:
    void ShowStatus(const std::wstring& text, bool) override { texts.push_back(text); }
    void ShowStation(const StationInfo&) override {}
    void StartMarqueeTimer(unsigned) override {}
    void StopMarqueeTimer() override {}
    void StartNowPlayingFetch() override {}
    void StopPlayIndicator() override {}

    bool Saw(const std::wstring& text) const {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    std::vector<std::wstring> texts;
};

// Remembers how much the monitor delivered and its loudest sample.
class LoudestSample : public SampleWriter {
public:
    LoudestSample(std::atomic<int>& loudest, std::atomic<std::size_t>& delivered)
        : loudest_(loudest), delivered_(delivered) {}
    bool WriteSamples(const std::uint8_t* bytes, std::size_t length) override {
        delivered_ += length;
        const auto* samples = reinterpret_cast<const std::int16_t*>(bytes);
        for (std::size_t i = 0; i < length / 2; ++i) {
            const int magnitude = std::abs(static_cast<int>(samples[i]));
            if (magnitude > loudest_) loudest_ = magnitude;
        }
        return true;
    }
    void Close() override {}

private:
    std::atomic<int>& loudest_;
    std::atomic<std::size_t>& delivered_;
};

void PumpFor(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (GetTickCount64() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

TEST(WmpPlayback, ARecordingFilePlaysAndReportsPlaying) {
    const auto devices = EnumerateCaptureDevices();
    const auto monitor = std::find_if(devices.begin(), devices.end(), [](const auto& device) {
        return device.description.find(kMonitorName) != std::wstring::npos;
    });
    ASSERT_NE(monitor, devices.end()) << "no \"Monitor of Null Output\": is the null sink running?";

    // A recording in the program's folder: the one kind of local file the
    // control is given (a station's local address is refused).
    TestFolder folder(L"playback");
    const std::wstring recording = folder.Path() + L"lounge.wav";
    ASSERT_TRUE(std::filesystem::copy_file(
        std::filesystem::path(L"Z:" VELMORA_SITE_DIR L"/public/streams/lounge.wav"), recording));

    HWND window = CreateWindowExW(0, L"STATIC", L"player host", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    CWMPPlayer player;
    StatusLog view;
    PlaybackController playback(player, view, std::make_shared<NowPlaying>());
    ASSERT_TRUE(player.Create(window, playback)) << "the media player control is not there";
    // Wine's control turns the volume into a level in hundredths of a decibel
    // (volume * 100 - 10000), so anything below full volume is nearly silent.
    player.SetVolume(40);
    EXPECT_EQ(player.Volume(), 40);
    player.SetVolume(100);

    std::atomic<int> loudest{0};
    std::atomic<std::size_t> delivered{0};
    CaptureEngine engine([](int) {});
    const CaptureSetup setup = SetUpCapture(engine, DirectSoundCaptureDevice::Open(monitor->guid),
                                            RecordingFileFormat::Wav);
    ASSERT_EQ(setup.failed, CaptureSetupStep::Done);
    ASSERT_TRUE(engine.StartRecording(std::make_unique<LoudestSample>(loudest, delivered)));
    // The monitor takes a moment before it delivers anything; the file is short.
    const ULONGLONG deadline = GetTickCount64() + kListenLimitMs;
    while (delivered == 0 && GetTickCount64() < deadline) PumpFor(100);

    playback.PlayRecordingFile(recording);
    EXPECT_EQ(player.Url(), recording);
    while ((loudest < 1000 || !view.Saw(L"Playing")) && GetTickCount64() < deadline) {
        PumpFor(100);
        // Played to its end unheard: play it again.
        if (loudest < 1000 && view.Saw(L"Playing") && playback.PlayState() != MediaPlayState::kPlaying)
            playback.PlayRecordingFile(recording);
    }
    engine.StopRecording();

    EXPECT_GT(loudest.load(), 1000) << "the null sink heard nothing";
    // Wine's control reports opening states that have no text, then 3.
    EXPECT_TRUE(view.Saw(L"Playing")) << "no play state 3 arrived";
    std::printf("status texts while playing:");
    for (const std::wstring& text : view.texts) std::printf(" \"%ls\"", text.c_str());
    std::printf("\n");

    playback.Stop();
    PumpFor(500);
    EXPECT_EQ(playback.StatusText(), L"Ready");
    player.Close();
    DestroyWindow(window);
}

}  // namespace
