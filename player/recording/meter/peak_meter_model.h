#pragma once
// The numbers behind the LED level meter: bands of LEDs, each with a value,
// a peak that holds for a while and then sinks, and the colour zones. The
// capture worker sets levels, the meter's timer thread lets them decay and
// the window thread paints a snapshot, all at once: every band is read and
// written under one lock, so a painter never sees half an update.

#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

struct PeakBand {
    std::int32_t value = 0;
    std::int32_t peak = 0;
    std::int32_t hold = 0;  // decay ticks left before the peak sinks
    bool operator==(const PeakBand&) const = default;
};

// 0x00BBGGRR, the layout of a Windows COLORREF.
using MeterColour = std::uint32_t;
constexpr MeterColour MeterRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return red | (green << 8) | (blue << 16);
}

enum class LedZone { Normal, Medium, High };

struct MeterRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const MeterRect&) const = default;
};

// One LED as the window paints it: an optional vertical grid line through
// the middle of the full cell, then the shrunk cell filled with its colour.
struct MeterCell {
    MeterRect fill;
    MeterColour colour = 0;
    std::optional<int> gridLineX;
    int gridTop = 0, gridBottom = 0;
};

struct MeterLook {
    MeterColour background = MeterRgb(0, 0, 0);
    MeterColour normal = MeterRgb(0, 255, 0);
    MeterColour medium = MeterRgb(255, 255, 0);
    MeterColour high = MeterRgb(255, 0, 0);
    bool grid = false;
    // The LED a band's peak has reached stays lit above the bar.
    bool peaks = true;
};

inline constexpr MeterColour kMeterGridColour = MeterRgb(236, 243, 244);
inline constexpr MeterColour kMeterFrameColour = MeterRgb(60, 124, 160);
// The grid pen: the background darkened by 15 in each colour.
MeterColour MeterGridPenColour(MeterColour background);

class PeakMeterModel {
public:
    PeakMeterModel();

    // Both non-zero, else nothing; every band starts full.
    void SetBandLayout(int bands, int ledsPerBand);
    void SetZoneLimits(int green, int yellow, int maximum);
    // Sets bands offset..offset+count-1 that exist from values[index]; a
    // rising value lifts the peak and restarts its hold. False for a
    // negative offset or no values.
    bool SetLevels(std::span<const int> values, int offset, int count);
    // One decay step. False when nothing changed any more: the timer may stop.
    bool DecayTick();

    std::vector<PeakBand> Bands() const;
    // Every value, hold and peak at 0: a decay tick would change nothing.
    bool AtRest() const;
    // What the bar shows: per band, its lit LEDs and, with peaks shown, its
    // peak's; equal pictures paint alike.
    std::vector<int> Picture(bool peaks) const;
    int LedCount() const;
    int LitCount(std::int32_t value) const;
    LedZone ZoneOf(int led) const;
    std::vector<MeterCell> PaintPlan(int width, int height, const MeterLook& look) const;

private:
    int LedCountLocked() const;
    int LitCountLocked(std::int32_t value) const;
    LedZone ZoneOfLocked(int led) const;

    mutable std::mutex mutex_;
    std::vector<PeakBand> bands_;
    int ledsPerBand_ = 8;
    int greenLimit_ = 60;
    int yellowLimit_ = 80;
    int maximum_ = 100;
    int holdTime_ = 10;
};
