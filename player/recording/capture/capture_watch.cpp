#include "recording/capture/capture_watch.h"

namespace {

// A device that runs delivers every few hundredths of a second; one that
// took longer than this to give its first sound started late.
constexpr std::chrono::milliseconds kLateStart{250};

}  // namespace

void CaptureWatch::Begin(CaptureClock::time_point now, std::uint32_t position) {
    position_ = position;
    delivered_ = false;
    begun_ = now;
    lastLook_ = now;
    lastMove_ = now;
}

std::uint64_t CaptureWatch::LostSince(CaptureClock::time_point now, std::uint32_t position) {
    const std::uint32_t moved = (position + ringBytes_ - position_) % ringBytes_;
    const std::uint64_t lost = delivered_ ? MissedRounds(now, moved) : LateStart(now, moved);
    lastLook_ = now;
    if (position != position_) {
        lastMove_ = now;
        delivered_ = true;
    }
    position_ = position;
    return lost;
}

bool CaptureWatch::Stalled(CaptureClock::time_point now) const {
    return now - lastMove_ >= (delivered_ ? std::chrono::seconds(kStallLimit) : kFirstSoundLimit);
}

// At the first sound: what the device would have captured since Record,
// less what it delivered, when it took long enough to matter.
std::uint64_t CaptureWatch::LateStart(CaptureClock::time_point now, std::uint32_t moved) const {
    if (moved == 0 || now - begun_ < kLateStart) return 0;
    const double missing = BytesIn(now - begun_) - moved;
    if (missing < BytesIn(kLateStart)) return 0;
    const auto bytes = static_cast<std::uint64_t>(missing);
    return bytes - bytes % frameBytes_;
}

std::uint64_t CaptureWatch::MissedRounds(CaptureClock::time_point now, std::uint32_t moved) const {
    // Half a ring either way is far beyond any drift between the sound
    // card's clock and ours over one look.
    const double rounds = (BytesIn(now - lastLook_) - moved) / ringBytes_;
    if (rounds < 0.5) return 0;
    return static_cast<std::uint64_t>(rounds + 0.5) * ringBytes_;
}

double CaptureWatch::BytesIn(CaptureClock::duration time) const {
    return std::chrono::duration<double>(time).count() * bytesPerSecond_;
}
