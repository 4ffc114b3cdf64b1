#pragma once
// What the recorder says about a recording that lost sound: scheduled
// recordings run with nobody there, so it is a line in the recorder's own
// window, left for whoever looks next, not a box that waits for an answer.

#include "recording/capture/sound_feed.h"

#include <cstdint>
#include <string>

// Empty when nothing was lost.
std::wstring LostSoundNote(const LostSound& lost, std::uint32_t bytesPerSecond);
