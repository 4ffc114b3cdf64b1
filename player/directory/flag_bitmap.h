#pragma once
// What a downloaded flag must be before it is kept: a flag file, once there,
// is never fetched again, so a captive portal's page saved under a flag's
// name would stay for good.

#include <cstddef>
#include <string_view>

// Flags are a few hundred pixels; a larger picture is no flag.
inline constexpr int kMaxFlagSide = 256;
inline constexpr std::size_t kMaxFlagBytes = 512 * 1024;

// True for an uncompressed Windows bitmap file of at most kMaxFlagSide pixels
// a side whose headers agree with each other and whose pixels are all there.
bool IsFlagBitmap(std::string_view bytes);
