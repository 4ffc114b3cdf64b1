// Prints what recording costs: CPU time per second of captured sound for WAV
// and for MP3 (libmp3lame behind the BladeEnc table), and the encoding speed
// as a multiple of real time. The sound goes through the same draining pass
// the capture worker runs, one block of an eighth of a second at a time. The
// encoder finds a pure sine about half as costly as music, so it encodes
// both: a sine, and a music-like mix of several tones and noise.
//
// Then the copy of a station's stream: half a minute of a 128 kbit/s MP3
// station whose title changes every four seconds, from the tap through the
// writer thread into a file per title, a write for each frame as on Windows.

#include "recording/capture/capture_pump.h"
#include "recording/copy/stream_copy.h"
#include "recording/files/mp3_file_encoder.h"
#include "recording/files/wave_file_writer.h"
#include "tests/recording/fake_capture.h"
#include "tests/recording/lame_shim.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <numbers>
#include <random>
#include <string>
#include <thread>

namespace {

constexpr int kSeconds = 60;
const CaptureFormat kFormat{44100, 16, 2};

// One 16-bit sample of a channel at a sample index.
using Signal = std::function<std::int16_t(int index, int channel)>;

double Seconds(int index) {
    return double(index) / kFormat.sampleRate;
}

std::int16_t Sine(int index, int) {
    return static_cast<std::int16_t>(12000 * std::sin(2 * std::numbers::pi * 440 * Seconds(index)));
}

// A chord whose voices swell and fade at different rates, over a noise floor
// that differs between the channels, as music does.
Signal MusicLike() {
    auto noise = std::make_shared<std::minstd_rand>(2024);
    return [noise](int index, int channel) {
        constexpr double kVoices[][3] = {
            // frequency (Hz), amplitude, swell rate (Hz)
            {110.0, 5000, 0.25}, {220.0, 3000, 0.5}, {277.2, 2500, 0.7},
            {329.6, 2500, 0.3},  {659.3, 1200, 1.1}, {1760.0, 500, 2.3}};
        const double t = Seconds(index);
        double value = 0;
        for (const auto& [frequency, amplitude, swell] : kVoices) {
            const double envelope = 0.6 + 0.4 * std::sin(2 * std::numbers::pi * swell * t + channel);
            value += amplitude * envelope * std::sin(2 * std::numbers::pi * frequency * t);
        }
        value += std::uniform_real_distribution<double>(-1500, 1500)(*noise);
        return static_cast<std::int16_t>(std::clamp(value, -32768.0, 32767.0));
    };
}

// Fills the ring with the signal block by block and drains it into the
// writer; returns the CPU seconds the passes and the writer took.
double Record(SampleWriter& writer, const Signal& signal) {
    const std::uint32_t block = CaptureNotifySize(kFormat);
    FakeCaptureBuffer ring(CaptureBufferSize(kFormat));
    std::uint32_t offset = 0;
    const int blocks = static_cast<int>(std::uint64_t(kSeconds) * kFormat.AvgBytesPerSec() / block);
    double cpu = 0;
    int index = 0;
    for (int b = 0; b < blocks; ++b) {
        for (std::uint32_t i = 0; i < block; i += 4, ++index) {
            const std::uint32_t at = (ring.readPosition + i) % ring.Size();
            for (int channel = 0; channel < 2; ++channel) {
                const auto value = static_cast<std::uint16_t>(signal(index, channel));
                ring.Bytes()[at + 2 * channel] = static_cast<std::uint8_t>(value & 0xFF);
                ring.Bytes()[at + 2 * channel + 1] = static_cast<std::uint8_t>(value >> 8);
            }
        }
        ring.readPosition = (ring.readPosition + block) % ring.Size();
        const std::clock_t start = std::clock();
        PumpCapture({ring, block, offset}, writer, nullptr);
        cpu += double(std::clock() - start) / CLOCKS_PER_SEC;
    }
    const std::clock_t start = std::clock();
    writer.Close();
    return cpu + double(std::clock() - start) / CLOCKS_PER_SEC;
}

void Report(const char* name, double cpuSeconds) {
    std::printf("%-14s %6.3f ms CPU per second of sound, %6.3f %% of one core, %7.1fx real time\n",
                name, cpuSeconds * 1000 / kSeconds, cpuSeconds * 100 / kSeconds,
                cpuSeconds > 0 ? kSeconds / cpuSeconds : 0.0);
}

// The copy's files on the host's disk: one write call for each frame, as
// the player makes one WriteFile call on Windows.
class DiskTrackFiles : public TrackFiles {
public:
    ~DiskTrackFiles() override { Close(); }
    bool Exists(const std::wstring& path) override { return std::filesystem::exists(path); }
    bool Create(const std::wstring& path) override {
        file_ = open(std::filesystem::path(path).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        return file_ >= 0;
    }
    bool Append(std::string_view bytes) override {
        return write(file_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }
    void Close() override {
        if (file_ >= 0) close(file_);
        file_ = -1;
    }
    bool Rename(const std::wstring& from, const std::wstring& to) override {
        std::error_code error;
        std::filesystem::rename(from, to, error);
        return !error;
    }
    bool Remove(const std::wstring& path) override {
        std::error_code error;
        return std::filesystem::remove(path, error);
    }

private:
    int file_ = -1;
};

// MPEG 1 Layer III at 128 kbit/s, 44.1 kHz: 417 bytes a frame, 418 with
// padding, 38.28 frames a second.
constexpr double kFramesPerSecond = 44100.0 / 1152;

std::string Mp3Frame(int number) {
    const bool padded = number % 3 != 0;
    std::string frame = {'\xFF', '\xFB', padded ? '\x92' : '\x90', '\x00'};
    frame.resize(padded ? 418 : 417, static_cast<char>(number & 0x7F));
    return frame;
}

constexpr int kCopySeconds = 30;

// Feeds the frames at the pace a station sends them, so that the writer
// thread wakes as often as it does in the player, with the copy attached or
// without it (what playing costs the feeding thread alone). The CPU time
// counts the feeding thread and the writer thread alike.
double FeedStream(const std::filesystem::path& folder, bool copied) {
    StreamTap tap;
    DiskTrackFiles files;
    SettableClock clock;
    StreamCopy copy(tap, files, clock);
    const auto feed = tap.BeginFeed();
    tap.Audio(feed, StreamAudio::Mp3);
    if (copied && !copy.Start(folder.wstring() + L"/", std::nullopt, L"Benchmark Radio", nullptr))
        return -1;
    const int frames = static_cast<int>(kCopySeconds * kFramesPerSecond);
    const auto pause = std::chrono::microseconds(static_cast<int>(1e6 / kFramesPerSecond));
    const std::clock_t start = std::clock();
    for (int number = 0; number < frames; ++number) {
        if (number % static_cast<int>(4 * kFramesPerSecond) == 0)
            tap.Title(feed, L"Benchmark Artist - Track " + std::to_wstring(number));
        tap.Frame(feed, Mp3Frame(number));
        std::this_thread::sleep_for(pause);
    }
    copy.Stop();
    return double(std::clock() - start) / CLOCKS_PER_SEC;
}

void ReportCopy(const char* name, double cpuSeconds) {
    std::printf("%-24s %6.3f ms CPU per second of stream, %6.4f %% of one core\n", name,
                cpuSeconds * 1000 / kCopySeconds, cpuSeconds * 100 / kCopySeconds);
}

}  // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path();
    const auto wavPath = folder / "velmora-benchmark.wav";
    const auto mp3Path = folder / "velmora-benchmark.mp3";
    std::printf("%d s of %ls through the draining pass\n", kSeconds, CaptureFormatText(kFormat).c_str());

    for (const auto& [name, signal] : {std::pair{"sine", Signal(Sine)}, {"music-like", MusicLike()}}) {
        WaveFileWriter wave;
        if (wave.Open(wavPath.wstring(), kFormat) != WaveResult::Ok) return 1;
        Report(("WAV " + std::string(name)).c_str(), Record(wave, signal));

        Mp3FileEncoder mp3([] { return std::optional(LameShimTable()); });
        if (!mp3.Open(mp3Path.wstring(), kFormat.sampleRate, kFormat.channels)) return 1;
        Report(("MP3 " + std::string(name)).c_str(), Record(mp3, signal));
    }

    std::filesystem::remove(wavPath);
    std::filesystem::remove(mp3Path);

    const auto copyFolder = folder / "velmora-benchmark-copy";
    std::filesystem::remove_all(copyFolder);
    std::filesystem::create_directory(copyFolder);
    const double fed = FeedStream(copyFolder, false);
    const double copied = FeedStream(copyFolder, true);
    std::filesystem::remove_all(copyFolder);
    if (copied < 0) return 1;
    std::printf("%d s of a 128 kbit/s MP3 station, a title every 4 s\n", kCopySeconds);
    ReportCopy("fed, no copy", fed);
    ReportCopy("fed and copied", copied);
    ReportCopy("the copy (goal: 0.1 %)", copied - fed);
    return 0;
}
