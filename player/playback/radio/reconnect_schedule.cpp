#include "playback/radio/reconnect_schedule.h"

#include <array>

namespace {

using namespace std::chrono_literals;

constexpr std::array<std::chrono::milliseconds, 4> kFirstPauses{1s, 2s, 4s, 8s};
constexpr std::chrono::milliseconds kLaterPause = 15s;

}  // namespace

std::optional<ReconnectSchedule::Milliseconds> ReconnectSchedule::NextPause(Milliseconds now) {
    if (!firstFailure_) firstFailure_ = now;
    const Milliseconds pause =
        failures_ < kFirstPauses.size() ? kFirstPauses[failures_] : kLaterPause;
    ++failures_;
    if (now + pause - *firstFailure_ > kGiveUpAfter) return std::nullopt;
    return pause;
}

void ReconnectSchedule::Reset() {
    firstFailure_.reset();
    failures_ = 0;
}
