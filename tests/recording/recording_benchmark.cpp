// Prints what recording costs: CPU time per second of captured sound for WAV
// and for MP3 (libmp3lame behind the BladeEnc table), and the encoding speed
// as a multiple of real time. The sound goes through the same draining pass
// the capture worker runs, one block of an eighth of a second at a time.

#include "capture_pump.h"
#include "fake_capture.h"
#include "lame_shim.h"
#include "mp3_file_encoder.h"
#include "wave_file_writer.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <numbers>

namespace {

constexpr int kSeconds = 60;
const CaptureFormat kFormat{44100, 16, 2};

// Fills the ring with a tone block by block and drains it into the writer;
// returns the CPU seconds the passes and the writer took.
double RecordTone(SampleWriter& writer) {
    const std::uint32_t block = CaptureNotifySize(kFormat);
    FakeCaptureBuffer ring(CaptureBufferSize(kFormat));
    std::uint32_t offset = 0;
    const int blocks = static_cast<int>(std::uint64_t(kSeconds) * kFormat.AvgBytesPerSec() / block);
    double cpu = 0;
    int phase = 0;
    for (int b = 0; b < blocks; ++b) {
        for (std::uint32_t i = 0; i < block; i += 4, ++phase) {
            const auto value = static_cast<std::int16_t>(
                12000 * std::sin(2 * std::numbers::pi * 440 * phase / kFormat.sampleRate));
            const std::uint32_t at = (ring.readPosition + i) % ring.Size();
            for (std::uint32_t c = 0; c < 4; c += 2) {
                ring.Bytes()[at + c] = static_cast<std::uint8_t>(value & 0xFF);
                ring.Bytes()[at + c + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
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
    std::printf("%-4s %6.3f ms CPU per second of sound, %6.3f %% of one core, %7.1fx real time\n",
                name, cpuSeconds * 1000 / kSeconds, cpuSeconds * 100 / kSeconds,
                cpuSeconds > 0 ? kSeconds / cpuSeconds : 0.0);
}

}  // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path();
    const auto wavPath = folder / "velmora-benchmark.wav";
    const auto mp3Path = folder / "velmora-benchmark.mp3";
    std::printf("%d s of %ls through the draining pass\n", kSeconds, CaptureFormatText(kFormat).c_str());

    WaveFileWriter wave;
    if (wave.Open(wavPath.wstring(), kFormat) != WaveResult::Ok) return 1;
    Report("WAV", RecordTone(wave));

    Mp3FileEncoder mp3([] { return std::optional(LameShimTable()); });
    if (!mp3.Open(mp3Path.wstring(), kFormat.sampleRate, kFormat.channels)) return 1;
    Report("MP3", RecordTone(mp3));

    std::filesystem::remove(wavPath);
    std::filesystem::remove(mp3Path);
    return 0;
}
