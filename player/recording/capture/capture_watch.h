#pragma once
// Keeps an eye on the device's capture position between the worker's
// passes. The ring only says where the device is now, modulo its size: a
// worker that comes back later than a whole ring finds less waiting than was
// captured, and the rounds the device made meanwhile are lost. The clock
// tells how many: what the device captured in the time since the last look,
// less what waits in the ring, rounded to whole rings.
//
// A device may also start late: under Wine a capture stream delivers
// nothing for about two seconds after it is made, so a recording started
// that soon after the set-up waits for its first sound. The time it waited
// is lost from the recording's start, and counted as lost.
//
// And a position that stops moving altogether means the device no longer
// captures.
//
// Worker thread only.

#include <chrono>
#include <cstdint>

using CaptureClock = std::chrono::steady_clock;

class CaptureWatch {
public:
    // A device whose position stands still this long has stopped capturing.
    static constexpr std::chrono::seconds kStallLimit{2};
    // A stream just made may take this long before it delivers anything.
    static constexpr std::chrono::seconds kFirstSoundLimit{5};

    CaptureWatch(std::uint32_t ringBytes, std::uint32_t bytesPerSecond, std::uint32_t frameBytes)
        : ringBytes_(ringBytes), bytesPerSecond_(bytesPerSecond), frameBytes_(frameBytes) {}

    void Begin(CaptureClock::time_point now, std::uint32_t position);
    // At each look: the bytes lost since the last look, in whole frames.
    std::uint64_t LostSince(CaptureClock::time_point now, std::uint32_t position);
    bool Stalled(CaptureClock::time_point now) const;

private:
    std::uint64_t LateStart(CaptureClock::time_point now, std::uint32_t moved) const;
    std::uint64_t MissedRounds(CaptureClock::time_point now, std::uint32_t moved) const;
    double BytesIn(CaptureClock::duration time) const;

    std::uint32_t ringBytes_;
    std::uint32_t bytesPerSecond_;
    std::uint32_t frameBytes_;
    std::uint32_t position_ = 0;
    bool delivered_ = false;  // the device has delivered since Begin
    CaptureClock::time_point begun_{};
    CaptureClock::time_point lastLook_{};
    CaptureClock::time_point lastMove_{};
};
