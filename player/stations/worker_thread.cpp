#include "worker_thread.h"

#include <objbase.h>

#include <memory>

namespace {

struct Job {
    HWND window;
    UINT message;
    LPARAM tag;
    std::function<bool()> work;
};

DWORD WINAPI RunJob(void* parameter) {
    const std::unique_ptr<Job> job(static_cast<Job*>(parameter));
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool succeeded = false;
    // No exception may leave a thread.
    try {
        succeeded = job->work();
    } catch (...) {
        succeeded = false;
    }
    job->work = nullptr;  // what the job holds goes before COM does
    if (SUCCEEDED(com)) CoUninitialize();
    PostMessageW(job->window, job->message, succeeded ? 1 : 0, job->tag);
    return 0;
}

}  // namespace

bool ReportingWorker::Start(HWND window, UINT message, std::function<bool()> job, LPARAM tag) {
    if (IsRunning()) return false;
    auto owned = std::make_unique<Job>(Job{window, message, tag, std::move(job)});
    ScopedHandle thread(CreateThread(nullptr, 0, RunJob, owned.get(), 0, nullptr));
    if (!thread) return false;
    owned.release();  // the thread frees it
    thread_ = std::move(thread);
    return true;
}

bool ReportingWorker::IsRunning() const {
    // The player's own test: a wait of 1 ms that times out.
    return thread_ && WaitForSingleObject(thread_.Get(), 1) == WAIT_TIMEOUT;
}

bool ReportingWorker::Wait(DWORD timeoutMs) const {
    return !thread_ || WaitForSingleObject(thread_.Get(), timeoutMs) == WAIT_OBJECT_0;
}
