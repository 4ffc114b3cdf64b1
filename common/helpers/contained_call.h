#pragma once
// No exception may leave a window procedure, a hook or a thread: the system's
// frames above them cannot pass it on, so it would end the whole player. At
// each of those doors the work runs through ContainedCall, and a throw comes
// back as the door's own "failed" answer, which the caller reports as it
// reports any other failure.

#include <utility>

template <class Work, class Result>
Result ContainedCall(Work&& work, Result failed) noexcept {
    try {
        return std::forward<Work>(work)();
    } catch (...) {
        return failed;
    }
}

// The same for work that answers nothing: false when it threw.
template <class Work>
bool RanContained(Work&& work) noexcept {
    return ContainedCall(
        [&] {
            std::forward<Work>(work)();
            return true;
        },
        false);
}
