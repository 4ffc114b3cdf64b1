// Play and record end to end: a tone goes to the default playback device (a
// PulseAudio null sink in the test set-up) and is recorded from its monitor
// through the recorder's DirectSound capture, engine and WAV writer. The WAV
// file is left beside the test for a check with sox.

#include "common/ports/app_folder.h"
#include "recording/capture/capture_engine.h"
#include "recording/capture/capture_setup.h"
#include "recording/capture/directsound_capture.h"
#include "recording/files/wave_file_writer.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <dsound.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>

namespace {

constexpr wchar_t kMonitorName[] = L"Monitor of Null Output";
// The device under Wine may take a second or two before it delivers sound,
// so the test records until it has this much, within a time limit.
constexpr std::uint32_t kWantedSeconds = 2;
constexpr DWORD kRecordLimitMs = 15000;
constexpr double kToneHz = 440;
constexpr std::uint32_t kToneRate = 44100;

// A looping 440 Hz tone on the default playback device, for as long as the
// object lives.
class TonePlayer {
public:
    bool Start() {
        if (FAILED(DirectSoundCreate(nullptr, sound_.Put(), nullptr))) return false;
        if (FAILED(sound_->SetCooperativeLevel(GetDesktopWindow(), DSSCL_PRIORITY))) return false;
        WAVEFORMATEX format{WAVE_FORMAT_PCM, 2, 44100, 44100 * 4, 4, 16, 0};
        DSBUFFERDESC description{};
        description.dwSize = sizeof description;
        description.dwFlags = DSBCAPS_GLOBALFOCUS;
        description.dwBufferBytes = format.nAvgBytesPerSec;  // one second, looped
        description.lpwfxFormat = &format;
        if (FAILED(sound_->CreateSoundBuffer(&description, buffer_.Put(), nullptr))) return false;
        void* bytes = nullptr;
        DWORD length = 0;
        if (FAILED(buffer_->Lock(0, 0, &bytes, &length, nullptr, nullptr, DSBLOCK_ENTIREBUFFER))) {
            return false;
        }
        auto* samples = static_cast<std::int16_t*>(bytes);
        for (DWORD frame = 0; frame < length / 4; ++frame) {
            const auto value = static_cast<std::int16_t>(
                16000 * std::sin(2 * std::numbers::pi * kToneHz * frame / kToneRate));
            samples[2 * frame] = value;
            samples[2 * frame + 1] = value;
        }
        buffer_->Unlock(bytes, length, nullptr, 0);
        return SUCCEEDED(buffer_->Play(0, 0, DSBPLAY_LOOPING));
    }
    ~TonePlayer() {
        if (buffer_) buffer_->Stop();
    }

private:
    ComPtr<IDirectSound> sound_;
    ComPtr<IDirectSoundBuffer> buffer_;
};

// Passes the sound on to the WAV writer and counts it for the test thread.
class CountingWriter : public SampleWriter {
public:
    CountingWriter(std::unique_ptr<WaveFileWriter> file, std::atomic<std::uint64_t>& bytes)
        : file_(std::move(file)), bytes_(bytes) {}
    bool WriteSamples(const std::uint8_t* bytes, std::size_t length) override {
        bytes_ += length;
        return file_->WriteSamples(bytes, length);
    }
    void Close() override { file_->Close(); }

private:
    std::unique_ptr<WaveFileWriter> file_;
    std::atomic<std::uint64_t>& bytes_;
};

std::uint32_t U32At(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t(std::uint8_t(bytes[offset + i])) << (8 * i);
    return value;
}

// Tenths of a second of one channel of interleaved stereo in which the
// played tone is heard: loud, with nearly all its energy at the tone's
// frequency (a Goertzel filter; a tenth of a second holds 44 whole periods,
// so the tone falls on the filter's bin exactly).
int TenthsWithTheTone(const std::int16_t* samples, std::size_t frames, int channel) {
    constexpr std::size_t kBlock = kToneRate / 10;
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * kToneHz / kToneRate);
    int tenths = 0;
    for (std::size_t start = 0; start + kBlock <= frames; start += kBlock) {
        double energy = 0, previous = 0, beforePrevious = 0;
        for (std::size_t i = 0; i < kBlock; ++i) {
            const double value = samples[2 * (start + i) + channel];
            energy += value * value;
            const double next = value + coefficient * previous - beforePrevious;
            beforePrevious = previous;
            previous = next;
        }
        const double atTone = previous * previous + beforePrevious * beforePrevious -
                              coefficient * previous * beforePrevious;
        const bool loud = energy / kBlock > 1000.0 * 1000.0;
        if (loud && 2 * atTone / (kBlock * energy) > 0.9) ++tenths;
    }
    return tenths;
}

TEST(CaptureLoopback, RecordsThePlayedToneIntoAWaveFile) {
    const auto devices = EnumerateCaptureDevices();
    const auto monitor = std::find_if(devices.begin(), devices.end(), [](const auto& device) {
        return device.description.find(kMonitorName) != std::wstring::npos;
    });
    ASSERT_NE(monitor, devices.end()) << "no \"Monitor of Null Output\": is the null sink running?";
    ASSERT_TRUE(monitor->guid);

    TonePlayer tone;
    ASSERT_TRUE(tone.Start());

    std::atomic<int> loudest{0};
    CaptureEngine engine([&](int level) {
        if (level > loudest) loudest = level;
    });
    const CaptureSetup setup = SetUpCapture(engine, DirectSoundCaptureDevice::Open(monitor->guid),
                                            RecordingFileFormat::Wav);
    ASSERT_EQ(setup.failed, CaptureSetupStep::Done);
    ASSERT_TRUE(engine.Format());
    const CaptureFormat format = *engine.Format();
    EXPECT_EQ(CaptureFormatText(format), L"44100 Hz, 16-bit Stereo");

    const std::wstring path = GetAppFolder() + L"capture_loopback.wav";
    auto wave = std::make_unique<WaveFileWriter>();
    ASSERT_EQ(wave->Open(path, format), WaveResult::Ok);
    std::atomic<std::uint64_t> recorded{0};
    ASSERT_TRUE(engine.StartRecording(std::make_unique<CountingWriter>(std::move(wave), recorded)));
    const DWORD start = GetTickCount();
    while (recorded < kWantedSeconds * format.AvgBytesPerSec() &&
           GetTickCount() - start < kRecordLimitMs) {
        Sleep(50);
    }
    engine.StopRecording();

    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_GT(bytes.size(), 56u);
    EXPECT_EQ(U32At(bytes, 4), bytes.size() - 8);
    EXPECT_EQ(U32At(bytes, 44), 0u);
    const std::uint32_t dataBytes = U32At(bytes, 52);
    EXPECT_EQ(dataBytes + 56 + dataBytes % 2, bytes.size());
    EXPECT_EQ(dataBytes % 4, 0u);
    EXPECT_EQ(dataBytes, recorded);
    EXPECT_GE(dataBytes, kWantedSeconds * format.AvgBytesPerSec());

    // The device may start late, so only a second of the tone is asked for.
    const auto* samples = reinterpret_cast<const std::int16_t*>(bytes.data() + 56);
    const std::size_t frames = std::min<std::size_t>(dataBytes, bytes.size() - 56) / 4;
    EXPECT_GE(TenthsWithTheTone(samples, frames, 0), 10) << "no 440 Hz tone on the left";
    EXPECT_GE(TenthsWithTheTone(samples, frames, 1), 10) << "no 440 Hz tone on the right";
    EXPECT_GT(loudest.load(), 0);
}

}  // namespace
