#pragma once
// A job on a thread of its own that reports to a window: when the job ends,
// the thread posts a message with wParam 1 on success and 0 on failure. The
// window then waits for the thread before it uses what the job produced.

#include "common/helpers/scoped_handle.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>

class ReportingWorker {
public:
    ReportingWorker() = default;
    ReportingWorker(const ReportingWorker&) = delete;
    ReportingWorker& operator=(const ReportingWorker&) = delete;

    // Starts the job with COM initialised on its thread; its report carries
    // `tag` as lParam. False when the previous job is still running (has not
    // reported yet) or no thread could be started.
    bool Start(HWND window, UINT message, std::function<bool()> job, LPARAM tag = 0);
    bool IsRunning() const;
    // True when no job runs any more (or none was started) within the time.
    bool Wait(DWORD timeoutMs = INFINITE) const;

private:
    // The thread owns what it works on, so dropping the worker while a job
    // runs leaves the job nothing dangling; only its report goes unanswered.
    ScopedHandle thread_;
    std::shared_ptr<std::atomic<bool>> reported_;
};
