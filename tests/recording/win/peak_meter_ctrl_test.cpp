// The meter window with its multimedia timer: levels from another thread,
// the decay to empty, the restart by a new level, silence and steady levels
// that change nothing on screen, the kept picture following levels, look and
// size, and meters destroyed while their timers run.

#include "recording/meter/peak_meter_ctrl.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <thread>
#include <vector>

namespace {

void PumpMessagesFor(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    while (GetTickCount() < end) {
        MSG message;
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        } else {
            Sleep(5);
        }
    }
}

class MeterWindow : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExW(0, L"STATIC", L"meter test", WS_OVERLAPPED | WS_VISIBLE, 100, 100,
                                  200, 100, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(parent_);
    }
    void TearDown() override { DestroyWindow(parent_); }

    // The recorder's set-up of its meter, with a faster timer.
    void SetUpRecorderMeter(CPeakMeterCtrl& meter, UINT delayMs) {
        ASSERT_TRUE(meter.Create(parent_, {10, 10, 50, 20}, 1302));
        meter.SetBackColour(RGB(0, 0, 0));
        meter.SetBandLayout(1, 13);
        meter.StartDecayTimer(delayMs);
        meter.SetPeakDisplay(false);
        meter.SetGrid(true);
        meter.SetZoneLimits(30, 44, 48);
    }

    HWND parent_ = nullptr;
};

TEST_F(MeterWindow, ALevelFromTheWorkerSinksToEmptyAndANewOneRestartsTheTimer) {
    CPeakMeterCtrl meter;
    SetUpRecorderMeter(meter, 10);
    std::thread worker([&] {
        const std::array<int, 1> level = {40};
        meter.SetLevels(level, 0, 1);
    });
    worker.join();
    EXPECT_TRUE(meter.DecayTimerRunning());
    for (int i = 0; i < 300 && meter.DecayTimerRunning(); ++i) PumpMessagesFor(10);
    EXPECT_FALSE(meter.DecayTimerRunning());
    EXPECT_EQ(meter.Model().Bands()[0], (PeakBand{0, 0, 0}));

    const std::array<int, 1> level = {51};
    meter.SetLevels(level, 0, 1);
    EXPECT_TRUE(meter.DecayTimerRunning());

    // Once the owner stops the timer, levels no longer start it.
    meter.StopDecayTimer();
    meter.SetLevels(level, 0, 1);
    EXPECT_FALSE(meter.DecayTimerRunning());
}

TEST_F(MeterWindow, SilenceNeitherStartsTheTimerNorRepaintsAndASteadyBarIsNotRepainted) {
    CPeakMeterCtrl meter;
    SetUpRecorderMeter(meter, 10);
    const std::array<int, 1> silence = {0};
    meter.SetLevels(silence, 0, 1);
    for (int i = 0; i < 300 && meter.DecayTimerRunning(); ++i) PumpMessagesFor(10);
    ASSERT_FALSE(meter.DecayTimerRunning());
    UpdateWindow(meter.Hwnd());
    meter.SetLevels(silence, 0, 1);
    EXPECT_FALSE(meter.DecayTimerRunning());
    EXPECT_FALSE(GetUpdateRect(meter.Hwnd(), nullptr, FALSE));

    meter.StopDecayTimer();  // the bar holds still from here
    const std::array<int, 1> level = {40};
    meter.SetLevels(level, 0, 1);
    EXPECT_TRUE(GetUpdateRect(meter.Hwnd(), nullptr, FALSE));
    UpdateWindow(meter.Hwnd());
    const std::array<int, 1> sameLeds = {39};  // still 10 LEDs lit
    meter.SetLevels(sameLeds, 0, 1);
    EXPECT_FALSE(GetUpdateRect(meter.Hwnd(), nullptr, FALSE));
}

TEST_F(MeterWindow, PaintsLitLedsInTheirZoneColours) {
    CPeakMeterCtrl meter;
    SetUpRecorderMeter(meter, 100000);  // no decay during the test
    const std::array<int, 1> level = {40};
    meter.SetLevels(level, 0, 1);
    UpdateWindow(meter.Hwnd());
    PumpMessagesFor(50);
    HDC dc = GetDC(meter.Hwnd());
    // Cells are 3 pixels wide: LED 0 is green, LED 9 yellow, LED 12 unlit grid.
    EXPECT_EQ(GetPixel(dc, 2, 5), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(dc, 29, 5), RGB(255, 255, 0));
    EXPECT_EQ(GetPixel(dc, 38, 5), RGB(236, 243, 244));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(60, 124, 160));
    ReleaseDC(meter.Hwnd(), dc);
}

// The bar is drawn once and kept between paints: each paint must still show
// the current level, the current look and the current size.
TEST_F(MeterWindow, TheKeptBarFollowsLevelsLookAndSize) {
    CPeakMeterCtrl meter;
    SetUpRecorderMeter(meter, 100000);  // no decay during the test
    const auto pixel = [&](int x, int y) {
        UpdateWindow(meter.Hwnd());
        HDC dc = GetDC(meter.Hwnd());
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(meter.Hwnd(), dc);
        return colour;
    };
    const std::array<int, 1> level = {40};
    meter.SetLevels(level, 0, 1);
    EXPECT_EQ(pixel(29, 5), RGB(255, 255, 0));

    // A paint for another reason, the bar unchanged, shows the same bar.
    InvalidateRect(meter.Hwnd(), nullptr, TRUE);
    EXPECT_EQ(pixel(29, 5), RGB(255, 255, 0));

    const std::array<int, 1> lower = {10};
    meter.SetLevels(lower, 0, 1);
    EXPECT_EQ(pixel(29, 5), RGB(236, 243, 244)) << "LED 9 should be out at level 10";

    // Unlit LEDs without the grid show the background.
    meter.SetGrid(false);
    EXPECT_EQ(pixel(38, 5), RGB(0, 0, 0));
    meter.SetBackColour(RGB(0, 0, 255));
    EXPECT_EQ(pixel(38, 5), RGB(0, 0, 255));

    MoveWindow(meter.Hwnd(), 10, 10, 80, 20, TRUE);
    EXPECT_EQ(pixel(79, 0), RGB(60, 124, 160)) << "the frame's right edge at the new width";
    EXPECT_EQ(pixel(2, 5), RGB(0, 255, 0));
}

TEST_F(MeterWindow, AMeterDestroyedWhileItsTimerAndAWorkerRunIsLeftAlone) {
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        CPeakMeterCtrl meter;
        SetUpRecorderMeter(meter, 1);
        const HWND window = meter.Hwnd();
        std::atomic<bool> stop{false};
        std::thread worker([&] {
            const std::array<int, 1> level = {48};
            while (!stop) {
                meter.SetLevels(level, 0, 1);
                Sleep(1);
            }
        });
        PumpMessagesFor(30);
        // However the worker was scheduled, the timer runs at the end.
        const std::array<int, 1> level = {48};
        meter.SetLevels(level, 0, 1);
        EXPECT_TRUE(meter.DecayTimerRunning());
        meter.Destroy();
        stop = true;
        worker.join();
        EXPECT_FALSE(IsWindow(window));
        EXPECT_FALSE(meter.DecayTimerRunning()) << "levels after the end started the timer";

        // A tick would let the last level sink: with a 1 ms timer, 30 ms
        // leave time for many.
        const auto levels = meter.Model().Bands();
        ASSERT_GT(levels[0].value, 0);
        PumpMessagesFor(30);
        EXPECT_EQ(meter.Model().Bands(), levels) << "a timer tick reached the destroyed meter";
    }
}

}  // namespace
