#include "playback/radio/mp3_frame.h"

#include <array>

namespace {

// Bit rates in kbit/s by header index: MPEG 1 Layer III, then MPEG 2 and 2.5.
constexpr std::array<unsigned, 15> kMpeg1BitRates{0,   32,  40,  48,  56,  64,  80, 96,
                                                  112, 128, 160, 192, 224, 256, 320};
constexpr std::array<unsigned, 15> kMpeg2BitRates{0,  8,  16, 24,  32,  40,  48, 56,
                                                  64, 80, 96, 112, 128, 144, 160};
constexpr std::array<unsigned, 3> kMpeg1SampleRates{44100, 48000, 32000};

constexpr unsigned kMpeg1 = 3;
constexpr unsigned kMpeg25 = 0;
constexpr unsigned kReservedVersion = 1;
constexpr unsigned kLayer3 = 1;
constexpr unsigned kMono = 3;

std::optional<std::size_t> Mp3FrameLength(std::string_view bytes) {
    const auto header = ReadMp3FrameHeader(bytes);
    return header ? std::optional(header->length) : std::nullopt;
}

}  // namespace

std::optional<Mp3FrameHeader> ReadMp3FrameHeader(std::string_view bytes) {
    if (bytes.size() < kMp3HeaderBytes) return std::nullopt;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (byte(0) != 0xFF || (byte(1) & 0xE0) != 0xE0) return std::nullopt;
    const unsigned version = (byte(1) >> 3) & 3;
    const unsigned layer = (byte(1) >> 1) & 3;
    const unsigned bitRateIndex = byte(2) >> 4;
    const unsigned sampleRateIndex = (byte(2) >> 2) & 3;
    if (version == kReservedVersion || layer != kLayer3 || bitRateIndex == 0 ||
        bitRateIndex == 15 || sampleRateIndex == 3) {
        return std::nullopt;
    }
    Mp3FrameHeader header;
    const bool mpeg1 = version == kMpeg1;
    header.format.bitRate = (mpeg1 ? kMpeg1BitRates : kMpeg2BitRates)[bitRateIndex] * 1000;
    header.format.sampleRate = kMpeg1SampleRates[sampleRateIndex] / (mpeg1                ? 1
                                                                     : version == kMpeg25 ? 4
                                                                                          : 2);
    header.format.channels = (byte(3) >> 6) == kMono ? 1 : 2;
    header.samplesPerChannel = mpeg1 ? 1152 : 576;
    const unsigned padding = (byte(2) >> 1) & 1;
    header.length =
        header.samplesPerChannel / 8 * header.format.bitRate / header.format.sampleRate + padding;
    return header;
}

const FrameSyntax kMp3Frames{kMp3HeaderBytes, Mp3FrameLength};
