#include "recording/capture/capture_level.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr std::size_t kLevelSampleCount = 100;
constexpr std::size_t kLevelByteCount = kLevelSampleCount * 2;

}  // namespace

std::optional<int> CaptureLevel(const std::uint8_t* bytes, std::size_t length) {
    if (length <= kLevelByteCount) return std::nullopt;
    long sum = 0;
    for (std::size_t i = 0; i < kLevelSampleCount; ++i) {
        const auto value = static_cast<std::int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        sum += std::labs(value);
    }
    const long average = sum / static_cast<long>(kLevelSampleCount);
    if (average == 0) return 0;
    const int level = -47 - static_cast<int>(std::log10(static_cast<double>(average)) / -46 * 1000);
    return level < 0 ? 0 : level;
}
