// Prints what the radio engine costs, for an MP3 and an AAC stream: the time
// from handing it a station's address to its first sound, and the processor
// time it takes per second of audio (reading, decoding and output together),
// then what the sound output alone costs, fed a tone in the stream's format. Run by hand under
// Wine, with the demo site served on loopback (from the top of the tree):
//
//   scripts/with-site-server scripts/wine-run $PWD/build/win64/wineprefix
//       build/win64/bin/radio_benchmark.exe

#include "playback/radio/audio_decoder.h"
#include "playback/radio/radio_engine.h"
#include "playback/radio/wave_output.h"

#include <windows.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD kPlaySeconds = 20;
constexpr int kStarts = 5;

struct Stream {
    const char* name;
    const wchar_t* path;
    PcmFormat format;
};

// Demo site streams, each in one format throughout.
constexpr Stream kStreams[] = {
    {"MP3", L"radio/icy.mp3", {22050, 1}},
    {"AAC", L"radio/pulse.aac", {44100, 2}},
};

class PlayingWatch : public MediaPlayerEvents {
public:
    void OnOpenStateChange(int) override {}
    void OnPlayStateChange(int state) override { playing = state == MediaPlayState::kPlaying; }
    void OnEndOfStream() override {}
    bool playing = false;
};

void Pump(DWORD milliseconds, const bool* until = nullptr) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (GetTickCount64() < deadline && !(until && *until)) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
}

double ProcessorSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](FILETIME time) {
        return (ULONGLONG(time.dwHighDateTime) << 32 | time.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// Processor seconds of the whole process for kPlaySeconds of a tone played
// through the engine's output, as the engine's thread feeds it.
double OutputAloneSeconds(const PcmFormat& format) {
    const HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    WaveOutput output({never});
    if (!output.Open(format.sampleRate, format.channels)) return -1;
    std::vector<std::int16_t> tone(format.sampleRate / 10 * format.channels);
    for (std::size_t i = 0; i < tone.size(); ++i) {
        const std::size_t frame = i / format.channels;
        tone[i] = static_cast<std::int16_t>(
            8000 * std::sin(frame * 2 * 3.14159265 * 440 / format.sampleRate));
    }
    const double before = ProcessorSeconds();
    for (DWORD chunk = 0; chunk < kPlaySeconds * 10; ++chunk)
        output.Write(tone.data(), tone.size());
    const double used = ProcessorSeconds() - before;
    output.Close();
    CloseHandle(never);
    return used;
}

// Prints the figures for one stream; false when it did not play.
bool Measure(const std::wstring& site, const Stream& stream) {
    const std::wstring url = site + stream.path;
    PlayingWatch watch;
    RadioEngine engine(watch, nullptr, std::make_shared<StreamTap>());
    double slowest = 0;
    double total = 0;
    for (int start = 0; start < kStarts; ++start) {
        watch.playing = false;
        LARGE_INTEGER frequency, before, after;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&before);
        engine.SetUrl(url);
        Pump(10000, &watch.playing);
        QueryPerformanceCounter(&after);
        if (!watch.playing) {
            std::fprintf(stderr, "the %s stream did not start\n", stream.name);
            return false;
        }
        const double seconds = double(after.QuadPart - before.QuadPart) / frequency.QuadPart;
        total += seconds;
        if (seconds > slowest) slowest = seconds;
        engine.Stop();
    }
    std::printf("%s, %u Hz, %u channel(s):\n", stream.name, stream.format.sampleRate,
                stream.format.channels);
    std::printf("first sound after the address: %.0f ms on average, %.0f ms at most (%d starts)\n",
                1000 * total / kStarts, 1000 * slowest, kStarts);

    // What the process costs with nothing playing (the message loop, Wine's
    // own threads) is measured too, so the engine's share can be told apart.
    const double idleBefore = ProcessorSeconds();
    Pump(kPlaySeconds * 1000);
    const double idle = ProcessorSeconds() - idleBefore;

    engine.SetUrl(url);
    Pump(10000, &watch.playing);
    Pump(1000);  // past the start
    const double playingBefore = ProcessorSeconds();
    Pump(kPlaySeconds * 1000);
    const double playing = ProcessorSeconds() - playingBefore;
    engine.Stop();
    const auto perSecond = [](double seconds) { return 1000 * seconds / kPlaySeconds; };
    std::printf(
        "processor time per second: %.2f ms playing, %.2f ms idle; the engine's share "
        "%.2f%% of one core (%u s each)\n",
        perSecond(playing), perSecond(idle), perSecond(playing - idle) / 10,
        unsigned(kPlaySeconds));
    const double output = OutputAloneSeconds(stream.format);
    std::printf(
        "of which the sound output alone (a tone, no network, no decoding): "
        "%.2f ms per second, %.2f%% of one core\n",
        perSecond(output - idle), perSecond(output - idle) / 10);
    return true;
}

}  // namespace

int wmain() {
    wchar_t port[16];
    const DWORD length = GetEnvironmentVariableW(L"VELMORA_TEST_SITE_PORT", port, 16);
    if (length == 0 || length >= 16) {
        std::fputs("VELMORA_TEST_SITE_PORT is not set: run under scripts/with-site-server\n",
                   stderr);
        return 1;
    }
    const std::wstring site = L"http://127.0.0.1:" + std::wstring(port, length) + L"/";
    for (const Stream& stream : kStreams) {
        if (!Measure(site, stream)) return 1;
    }
    return 0;
}
