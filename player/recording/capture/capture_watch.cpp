#include "recording/capture/capture_watch.h"

void CaptureWatch::Begin(CaptureClock::time_point now, std::uint32_t position) {
    position_ = position;
    lastLook_ = now;
    lastMove_ = now;
}

std::uint64_t CaptureWatch::LostSince(CaptureClock::time_point now, std::uint32_t position) {
    const std::uint32_t moved = (position + ringBytes_ - position_) % ringBytes_;
    const double seconds = std::chrono::duration<double>(now - lastLook_).count();
    const double captured = seconds * bytesPerSecond_;
    lastLook_ = now;
    if (position != position_) lastMove_ = now;
    position_ = position;
    // Half a ring either way is far beyond any drift between the sound
    // card's clock and ours over one look.
    const double rounds = (captured - moved) / ringBytes_;
    if (rounds < 0.5) return 0;
    return static_cast<std::uint64_t>(rounds + 0.5) * ringBytes_;
}
