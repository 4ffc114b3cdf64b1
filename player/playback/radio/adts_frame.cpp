#include "playback/radio/adts_frame.h"

#include <array>

namespace {

constexpr std::array<unsigned, 13> kSampleRates{96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                                22050, 16000, 12000, 11025, 8000,  7350};
constexpr unsigned kLowComplexity = 1;  // the profile field: the object type less one
constexpr std::size_t kCrcBytes = 2;

std::optional<std::size_t> AdtsFrameLength(std::string_view bytes) {
    const auto header = ReadAdtsFrameHeader(bytes);
    return header ? std::optional(header->length) : std::nullopt;
}

}  // namespace

std::optional<AdtsFrameHeader> ReadAdtsFrameHeader(std::string_view bytes) {
    if (bytes.size() < kAdtsHeaderBytes) return std::nullopt;
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned>(static_cast<unsigned char>(bytes[i]));
    };
    // 12 sync bits, then the MPEG version bit, a layer of 0 and the CRC flag.
    if (byte(0) != 0xFF || (byte(1) & 0xF6) != 0xF0) return std::nullopt;
    const bool hasCrc = (byte(1) & 1) == 0;
    const unsigned profile = byte(2) >> 6;
    const unsigned rateIndex = (byte(2) >> 2) & 0xF;
    const unsigned channels = ((byte(2) & 1) << 2) | (byte(3) >> 6);
    const std::size_t length = ((byte(3) & 3) << 11) | (byte(4) << 3) | (byte(5) >> 5);
    const std::size_t headerLength = kAdtsHeaderBytes + (hasCrc ? kCrcBytes : 0);
    if (profile != kLowComplexity || rateIndex >= kSampleRates.size() || channels < 1 ||
        channels > 2 || length <= headerLength) {
        return std::nullopt;
    }
    return AdtsFrameHeader{{kSampleRates[rateIndex], channels}, length};
}

const FrameSyntax kAdtsFrames{kAdtsHeaderBytes, AdtsFrameLength};
