#include "recording/meter/peak_meter_model.h"

#include <gtest/gtest.h>

#include <array>
#include <thread>

namespace {

// The recorder's meter: one bar of 13 LEDs over levels 0..48.
struct RecorderMeter : PeakMeterModel {
    RecorderMeter() {
        SetBandLayout(1, 13);
        SetZoneLimits(30, 44, 48);
    }
};

bool SetLevel(PeakMeterModel& meter, int level) {
    const std::array<int, 1> values = {level};
    return meter.SetLevels(values, 0, 1);
}

TEST(PeakMeterModel, LevelsLightTheirShareOfLedsInThreeZones) {
    RecorderMeter meter;
    EXPECT_EQ(meter.LitCount(18), 4);
    EXPECT_EQ(meter.LitCount(30), 8);
    EXPECT_EQ(meter.LitCount(40), 10);
    EXPECT_EQ(meter.LitCount(51), 13);
    EXPECT_EQ(meter.LitCount(-3), 0);
    EXPECT_EQ(meter.ZoneOf(7), LedZone::Normal);
    EXPECT_EQ(meter.ZoneOf(8), LedZone::Medium);
    EXPECT_EQ(meter.ZoneOf(10), LedZone::Medium);
    EXPECT_EQ(meter.ZoneOf(11), LedZone::High);
}

TEST(PeakMeterModel, ANewLayoutStartsFull) {
    PeakMeterModel meter;
    meter.SetBandLayout(1, 13);
    EXPECT_EQ(meter.Bands(), (std::vector<PeakBand>{{100, 100, 10}}));
    meter.SetBandLayout(0, 13);
    EXPECT_EQ(meter.Bands().size(), 1u);
}

TEST(PeakMeterModel, SetLevelsTouchesOnlyExistingBandsAndLiftsThePeak) {
    RecorderMeter meter;
    const std::array<int, 4> values = {20, 30, 40, 50};
    EXPECT_TRUE(meter.SetLevels(values, 0, 4));
    EXPECT_EQ(meter.Bands(), (std::vector<PeakBand>{{20, 100, 10}}));
    EXPECT_FALSE(meter.SetLevels(values, -1, 1));
    EXPECT_FALSE(meter.SetLevels({}, 0, 1));
    EXPECT_TRUE(meter.SetLevels(values, 0, 9));

    PeakMeterModel low;
    low.SetBandLayout(2, 8);
    const std::array<int, 2> zeros = {0, 0};
    low.SetLevels(zeros, 0, 2);
    for (int i = 0; i < 200; ++i) low.DecayTick();
    const std::array<int, 2> rising = {0, 70};
    low.SetLevels(rising, 1, 1);
    EXPECT_EQ(low.Bands()[1], (PeakBand{70, 70, 10}));
}

TEST(PeakMeterModel, TheRecordersBarEmptiesWithinSeventeenTicksThenTheTimerMayStop) {
    RecorderMeter meter;
    SetLevel(meter, 51);
    EXPECT_EQ(meter.Picture(false), std::vector<int>{13});
    EXPECT_EQ(meter.Picture(true), (std::vector<int>{13, 13}));
    int ticks = 0;
    while (meter.Bands()[0].value > 0) {
        ASSERT_FALSE(meter.AtRest());
        ASSERT_TRUE(meter.DecayTick());
        ++ticks;
    }
    EXPECT_EQ(ticks, 17);
    EXPECT_EQ(meter.Picture(false), std::vector<int>{0});
    // The peak still sinks after its hold; only then does nothing change.
    int more = 0;
    while (meter.DecayTick()) ++more;
    EXPECT_EQ(meter.Bands()[0], (PeakBand{0, 0, 0}));
    EXPECT_GT(more, 0);
    EXPECT_TRUE(meter.AtRest());
    SetLevel(meter, 0);
    EXPECT_TRUE(meter.AtRest()) << "silence leaves a resting bar at rest";
}

TEST(PeakMeterModel, PaintPlanPlacesCellsFromTheLeftWithZoneColours) {
    RecorderMeter meter;
    SetLevel(meter, 40);
    MeterLook look;
    look.grid = true;
    const auto cells = meter.PaintPlan(40, 10, look);
    ASSERT_EQ(cells.size(), 13u);
    EXPECT_EQ(cells[0].fill, (MeterRect{1, 0, 3, 10}));
    EXPECT_EQ(cells[12].fill, (MeterRect{37, 0, 39, 10}));
    EXPECT_EQ(cells[0].colour, look.normal);
    EXPECT_EQ(cells[8].colour, look.medium);
    EXPECT_EQ(cells[9].colour, look.medium);
    EXPECT_EQ(cells[10].colour, kMeterGridColour);
    EXPECT_EQ(cells[8].gridLineX, 25);
    EXPECT_EQ(cells[12].gridLineX, 37);
    EXPECT_FALSE(cells[5].gridLineX);
    EXPECT_EQ(MeterGridPenColour(MeterRgb(10, 20, 30)), MeterRgb(0, 5, 15));
}

TEST(PeakMeterModel, ThePeakLedStaysLitAboveTheBarOnlyWhilePeaksAreShown) {
    RecorderMeter meter;
    SetLevel(meter, 0);
    while (meter.DecayTick()) {}
    SetLevel(meter, 40);  // the peak: LED 9, yellow
    SetLevel(meter, 18);  // the bar: LEDs 0 to 3
    MeterLook look;
    auto cells = meter.PaintPlan(40, 10, look);
    EXPECT_EQ(cells[3].colour, look.normal);
    EXPECT_EQ(cells[4].colour, look.background);
    EXPECT_EQ(cells[9].colour, look.medium);
    EXPECT_EQ(cells[10].colour, look.background);

    look.peaks = false;
    cells = meter.PaintPlan(40, 10, look);
    EXPECT_EQ(cells[9].colour, look.background);
}

TEST(PeakMeterModel, BandsStackUpwardFromTheBottom) {
    PeakMeterModel meter;
    meter.SetBandLayout(2, 4);
    const auto cells = meter.PaintPlan(40, 21, {});
    ASSERT_EQ(cells.size(), 8u);
    EXPECT_EQ(cells[0].fill, (MeterRect{1, 12, 10, 20}));
    EXPECT_EQ(cells[4].fill, (MeterRect{1, 2, 10, 10}));
}

TEST(PeakMeterModel, ConcurrentWritersNeverTearABand) {
    RecorderMeter meter;
    std::atomic<bool> torn{false};
    std::thread writer([&] {
        for (int i = 0; i < 20000; ++i) SetLevel(meter, 48);
    });
    std::thread decay([&] {
        for (int i = 0; i < 20000; ++i) meter.DecayTick();
    });
    for (int i = 0; i < 20000; ++i) {
        const PeakBand band = meter.Bands()[0];
        // A set level always lifts the peak to at least the value.
        if (band.value > band.peak) torn = true;
    }
    writer.join();
    decay.join();
    EXPECT_FALSE(torn);
}

}  // namespace
