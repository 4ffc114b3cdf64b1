#pragma once
// The local wall-clock time. The player asks it for today's date (the daily
// directory refresh) and for the time of day (scheduled recordings); unit
// tests set it by hand.

#include <compare>

struct LocalTime {
    unsigned year = 0;
    unsigned month = 0;   // 1-12
    unsigned day = 0;     // 1-31
    unsigned hour = 0;
    unsigned minute = 0;
    unsigned second = 0;

    // Members run from the largest unit down, so the defaulted comparison is
    // chronological.
    friend auto operator<=>(const LocalTime&, const LocalTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() const = 0;
};

// For unit tests: shows whatever time it was last set to.
class SettableClock : public Clock {
public:
    explicit SettableClock(LocalTime now = {}) : now_(now) {}
    LocalTime Now() const override { return now_; }
    void Set(LocalTime now) { now_ = now; }

private:
    LocalTime now_;
};
