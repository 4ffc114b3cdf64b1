#include "recording/files/writer_thread.h"

#include "common/helpers/contained_call.h"

#include <system_error>
#include <utility>

WriterThread::WriterThread(std::unique_ptr<SampleWriter> sink, std::size_t capacityBytes,
                           std::function<void()> onSinkFailed)
    : sink_(std::move(sink)),
      capacityBytes_(capacityBytes),
      onSinkFailed_(std::move(onSinkFailed)) {}

WriterThread::~WriterThread() { Finish(); }

bool WriterThread::Start() {
    try {
        // A sink that throws ends the thread as a failed write does.
        thread_ = std::thread([this] {
            if (!RanContained([this] { Run(); })) {
                std::lock_guard lock(mutex_);
                failed_ = true;
            }
        });
    } catch (const std::system_error&) {
        Finish();
        return false;
    }
    return true;
}

bool WriterThread::Push(const std::uint8_t* bytes, std::size_t length) {
    std::lock_guard lock(mutex_);
    if (failed_ || finishing_ || queuedBytes_ + length > capacityBytes_) return false;
    std::vector<std::uint8_t> block;
    if (!spare_.empty()) {
        block = std::move(spare_.back());
        spare_.pop_back();
    }
    block.assign(bytes, bytes + length);
    blocks_.push_back(std::move(block));
    queuedBytes_ += length;
    queued_.notify_one();
    return true;
}

void WriterThread::Finish() {
    {
        std::lock_guard lock(mutex_);
        finishing_ = true;
        queued_.notify_one();
    }
    if (thread_.joinable()) thread_.join();
    if (sink_) std::exchange(sink_, nullptr)->Close();
}

bool WriterThread::Failed() const {
    std::lock_guard lock(mutex_);
    return failed_;
}

void WriterThread::Run() {
    std::vector<std::uint8_t> block;
    while (TakeNext(block)) {
        sink_->WriteSamples(block.data(), block.size());
        if (sink_->Exhausted()) {
            {
                std::lock_guard lock(mutex_);
                failed_ = true;
                blocks_.clear();
                queuedBytes_ = 0;
            }
            if (onSinkFailed_) onSinkFailed_();
            return;
        }
        GiveBack(std::move(block));
    }
}

// Waits for the next block; false once the queue is empty and the owner
// finishes.
bool WriterThread::TakeNext(std::vector<std::uint8_t>& block) {
    std::unique_lock lock(mutex_);
    queued_.wait(lock, [this] { return !blocks_.empty() || finishing_; });
    if (blocks_.empty()) return false;
    block = std::move(blocks_.front());
    blocks_.pop_front();
    queuedBytes_ -= block.size();
    return true;
}

void WriterThread::GiveBack(std::vector<std::uint8_t>&& block) {
    std::lock_guard lock(mutex_);
    spare_.push_back(std::move(block));
}
