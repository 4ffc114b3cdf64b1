#pragma once
// Which of the enumerated capture devices the device combo lists: the
// recorder keeps the GUIDs of at most 20 devices, so a device with a GUID
// beyond those is left out; the default device (no GUID) always shows.

#include <cstddef>
#include <vector>

inline constexpr std::size_t kMaxCaptureDevices = 20;

std::vector<std::size_t> ListedCaptureDevices(const std::vector<bool>& hasGuid);
