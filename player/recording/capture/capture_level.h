#pragma once
// The recording level shown on the meter, from the start of a captured block.

#include <cstddef>
#include <cstdint>
#include <optional>

// Reads the first 200 bytes as 100 signed 16-bit little-endian values,
// whatever the capture format, and maps their mean magnitude to 0..51:
// 100 gives 0, 1000 gives 18, 10000 gives 39, full scale gives 51. Nothing
// for a region of 200 bytes or less.
std::optional<int> CaptureLevel(const std::uint8_t* bytes, std::size_t length);
