#pragma once
// The thread that moves the ticker line: one step, then a pause of the
// current delay, until it is stopped. Stop() waits for the thread, so after
// it returns no step runs any more and the window may free what steps use.

#include "common/helpers/scoped_handle.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>

class Scroller {
public:
    struct Statistics {
        std::uint64_t steps = 0;
        std::uint64_t cpuTime100ns = 0;  // user and kernel time of the thread
    };

    Scroller() = default;
    Scroller(const Scroller&) = delete;
    Scroller& operator=(const Scroller&) = delete;
    ~Scroller() { Stop(); }

    // `step` runs on the scroller thread; `delayMs` is asked before each
    // pause, so speed changes take effect at once.
    bool Start(std::function<void()> step, std::function<std::uint32_t()> delayMs);
    void Stop();
    bool Running() const { return bool(thread_); }
    // Figures for the benchmark, while the thread runs.
    Statistics Measure() const;

private:
    static DWORD WINAPI Run(void* self);

    std::function<void()> step_;
    std::function<std::uint32_t()> delayMs_;
    ScopedHandle stop_;    // manual-reset event: set when the thread must end
    ScopedHandle thread_;
    std::atomic<std::uint64_t> steps_{0};
};
