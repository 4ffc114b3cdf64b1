#pragma once
// When a radio stream drops, the engine tries again after growing pauses
// (1, 2, 4 and 8 seconds, then every 15 seconds) and gives up five minutes
// after the first failure. A stream that plays again starts the count anew.
// Times are milliseconds of a steady clock, so tests can pass any.

#include <chrono>
#include <optional>

class ReconnectSchedule {
public:
    using Milliseconds = std::chrono::milliseconds;

    static constexpr Milliseconds kGiveUpAfter = std::chrono::minutes(5);

    // The pause before the next try after a failure at `now`; nothing when
    // the next try would start past the five minutes.
    std::optional<Milliseconds> NextPause(Milliseconds now);
    // The stream plays again.
    void Reset();

private:
    std::optional<Milliseconds> firstFailure_;
    unsigned failures_ = 0;
};
