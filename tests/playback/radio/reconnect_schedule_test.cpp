// The reconnect pauses grow and stop at five minutes; playing again resets
// them. The clock is whatever time the test passes.

#include "playback/radio/reconnect_schedule.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;

// Fails at once after every pause, as a server that is gone does, and gives
// the pauses until the schedule gives up.
std::vector<milliseconds> PausesUntilGivingUp(ReconnectSchedule& schedule, milliseconds start) {
    std::vector<milliseconds> pauses;
    milliseconds now = start;
    while (auto pause = schedule.NextPause(now)) {
        pauses.push_back(*pause);
        now += *pause + 250ms;  // each try takes a while to fail
    }
    return pauses;
}

TEST(ReconnectSchedule, GrowsThenRepeatsAndGivesUpAfterFiveMinutes) {
    ReconnectSchedule schedule;
    const auto pauses = PausesUntilGivingUp(schedule, 1000s);
    ASSERT_GT(pauses.size(), 5u);
    EXPECT_EQ(std::vector(pauses.begin(), pauses.begin() + 6),
              (std::vector<milliseconds>{1s, 2s, 4s, 8s, 15s, 15s}));
    milliseconds waited = 0ms;
    for (auto pause : pauses) waited += pause + 250ms;
    EXPECT_LE(waited, ReconnectSchedule::kGiveUpAfter + 250ms);
    EXPECT_GT(waited, ReconnectSchedule::kGiveUpAfter - 16s);
}

TEST(ReconnectSchedule, PlayingAgainStartsTheCountAnew) {
    ReconnectSchedule schedule;
    EXPECT_EQ(schedule.NextPause(0s), 1s);
    EXPECT_EQ(schedule.NextPause(2s), 2s);
    schedule.Reset();
    EXPECT_EQ(schedule.NextPause(290s), 1s);
    EXPECT_EQ(schedule.NextPause(400s), 2s);  // five minutes from 290 s, not from 0 s

    ReconnectSchedule notReset;
    EXPECT_EQ(notReset.NextPause(0s), 1s);
    EXPECT_EQ(notReset.NextPause(400s), std::nullopt);
}

}  // namespace
