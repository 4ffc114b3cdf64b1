#pragma once
// What the recorder says about the last recording when it lost sound or
// ended by itself: scheduled recordings run with nobody there, so it is a
// line in the recorder's own window, left for whoever looks next, not a box
// that waits for an answer.

#include "recording/capture/capture_engine.h"
#include "recording/capture/sound_feed.h"

#include <cstdint>
#include <optional>
#include <string>

// Empty when the recording lost nothing and was stopped by a person or the
// scheduler (ended: nothing).
std::wstring LastRecordingNote(const LostSound& lost, std::uint32_t bytesPerSecond,
                               std::optional<CaptureEnd> ended = std::nullopt);
