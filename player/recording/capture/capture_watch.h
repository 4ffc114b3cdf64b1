#pragma once
// Keeps an eye on the device's capture position between the worker's
// passes. The ring only says where the device is now, modulo its size: a
// worker that comes back later than a whole ring finds less waiting than was
// captured, and the rounds the device made meanwhile are lost. The clock
// tells how many: what the device captured in the time since the last look,
// less what waits in the ring, rounded to whole rings. And a position that
// stops moving altogether means the device no longer captures.
//
// Worker thread only.

#include <chrono>
#include <cstdint>

using CaptureClock = std::chrono::steady_clock;

class CaptureWatch {
public:
    // A device whose position stands still this long has stopped capturing.
    static constexpr std::chrono::seconds kStallLimit{2};

    CaptureWatch(std::uint32_t ringBytes, std::uint32_t bytesPerSecond)
        : ringBytes_(ringBytes), bytesPerSecond_(bytesPerSecond) {}

    void Begin(CaptureClock::time_point now, std::uint32_t position);
    // At each look: the bytes lost to whole rounds of the ring since the last.
    std::uint64_t LostSince(CaptureClock::time_point now, std::uint32_t position);
    bool Stalled(CaptureClock::time_point now) const { return now - lastMove_ >= kStallLimit; }

private:
    std::uint32_t ringBytes_;
    std::uint32_t bytesPerSecond_;
    std::uint32_t position_ = 0;
    CaptureClock::time_point lastLook_{};
    CaptureClock::time_point lastMove_{};
};
