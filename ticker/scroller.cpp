#include "ticker/scroller.h"

#include "common/helpers/contained_call.h"

#include <algorithm>

bool Scroller::Start(std::function<void()> step, std::function<std::uint32_t()> delayMs) {
    if (thread_) return true;
    step_ = std::move(step);
    delayMs_ = std::move(delayMs);
    stop_ = ScopedHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!stop_) return false;
    steps_ = 0;
    thread_ = ScopedHandle(CreateThread(nullptr, 0, Run, this, 0, nullptr));
    return bool(thread_);
}

void Scroller::Stop() {
    if (!thread_) return;
    SetEvent(stop_.Get());
    WaitForSingleObject(thread_.Get(), INFINITE);
    thread_.Close();
    stop_.Close();
}

Scroller::Statistics Scroller::Measure() const {
    Statistics statistics;
    statistics.steps = steps_;
    FILETIME created, exited, kernel, user;
    if (thread_ && GetThreadTimes(thread_.Get(), &created, &exited, &kernel, &user)) {
        const auto ticks = [](const FILETIME& time) {
            return (std::uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime;
        };
        statistics.cpuTime100ns = ticks(kernel) + ticks(user);
    }
    return statistics;
}

DWORD WINAPI Scroller::Run(void* self) {
    auto& scroller = *static_cast<Scroller*>(self);
    // The pause waits on the stop event, so stopping never waits out a delay;
    // a delay of 0 would spin, so the shortest pause is 1 ms.
    // A step that throws ends the scrolling, and the window stops the thread
    // as usual.
    const bool ran = RanContained([&] {
        do {
            scroller.step_();
            ++scroller.steps_;
        } while (WaitForSingleObject(scroller.stop_.Get(),
                                     std::max<std::uint32_t>(1, scroller.delayMs_())) ==
                 WAIT_TIMEOUT);
    });
    return ran ? 0 : 1;
}
