#include "recording/files/bladeenc.h"

namespace {

constexpr std::uint32_t kBitrateKbps = 192;
constexpr std::uint32_t kPresetCbr = 4;

void Put(BeConfigBytes& config, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) config[offset + i] = std::uint8_t(value >> (8 * i) & 0xFF);
}

}  // namespace

BeConfigBytes BladeEncConfig(std::uint32_t sampleRate, std::uint16_t channels) {
    using namespace be_config;
    BeConfigBytes config{};
    Put(config, kConfigKind, kLameConfig);
    Put(config, kStructVersion, 1);
    Put(config, kStructSize, kBeConfigSize);
    Put(config, kSampleRate, sampleRate);
    Put(config, kMode, channels == 1 ? kModeMono : kModeJointStereo);
    Put(config, kBitrate, kBitrateKbps);
    Put(config, kMaxBitrate, kBitrateKbps);
    Put(config, kPreset, kPresetCbr);
    Put(config, kCrc, 1);
    Put(config, kOriginal, 1);
    Put(config, kWriteVbrHeader, 1);
    Put(config, kNoReservoir, 1);
    return config;
}
