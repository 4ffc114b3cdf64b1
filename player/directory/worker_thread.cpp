#include "directory/worker_thread.h"

#include "common/helpers/contained_call.h"

#include <objbase.h>

#include <atomic>
#include <memory>

namespace {

struct Job {
    HWND window;
    UINT message;
    LPARAM tag;
    std::function<bool()> work;
    std::shared_ptr<std::atomic<bool>> reported;
};

DWORD WINAPI RunJob(void* parameter) {
    const std::unique_ptr<Job> job(static_cast<Job*>(parameter));
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const bool succeeded = ContainedCall(job->work, false);
    job->work = nullptr;  // what the job holds goes before COM does
    if (SUCCEEDED(com)) CoUninitialize();
    // Set before the report goes: the window may start the next job as soon
    // as the report arrives, while this thread is still ending.
    job->reported->store(true);
    PostMessageW(job->window, job->message, succeeded ? 1 : 0, job->tag);
    return 0;
}

}  // namespace

bool ReportingWorker::Start(HWND window, UINT message, std::function<bool()> job, LPARAM tag) {
    if (IsRunning()) return false;
    auto reported = std::make_shared<std::atomic<bool>>(false);
    auto owned = std::make_unique<Job>(Job{window, message, tag, std::move(job), reported});
    ScopedHandle thread(CreateThread(nullptr, 0, RunJob, owned.get(), 0, nullptr));
    if (!thread) return false;
    owned.release();  // the thread frees it
    thread_ = std::move(thread);
    reported_ = std::move(reported);
    return true;
}

bool ReportingWorker::IsRunning() const {
    // A job that has reported is done. Otherwise the player's own test: a
    // wait of 1 ms that times out.
    return thread_ && !reported_->load() && WaitForSingleObject(thread_.Get(), 1) == WAIT_TIMEOUT;
}

bool ReportingWorker::Wait(DWORD timeoutMs) const {
    return !thread_ || WaitForSingleObject(thread_.Get(), timeoutMs) == WAIT_OBJECT_0;
}
