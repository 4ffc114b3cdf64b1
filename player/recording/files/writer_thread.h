#pragma once
// Writes a recording's file on a thread of its own. The thread that takes
// sound in must never wait for the disk or the encoder: a disk that pauses
// for a second, or an MP3 encoder on a busy machine, would otherwise make it
// miss the sound the device captures meanwhile. So it only queues copies of
// its blocks here, and this thread hands them to the sink in order.
//
// The queue is bounded: Push refuses a block that does not fit rather than
// wait, and the caller decides what a refused block means. When the sink
// fails for good (it is Exhausted), the thread tells its owner once through
// the failure callback, on the writer thread, and drops what is still queued.
//
// Threads: one producer calls Push; the owner calls Start and Finish.

#include "recording/capture/sample_writer.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class WriterThread {
public:
    WriterThread(std::unique_ptr<SampleWriter> sink, std::size_t capacityBytes,
                 std::function<void()> onSinkFailed);
    // Finishes: everything queued is written first.
    ~WriterThread();
    WriterThread(const WriterThread&) = delete;
    WriterThread& operator=(const WriterThread&) = delete;

    // False when the thread cannot be started; the sink is then closed.
    bool Start();
    // Queues a copy of the bytes; false (nothing queued) when they do not fit
    // beside what waits, or when the sink has failed.
    bool Push(const std::uint8_t* bytes, std::size_t length);
    // Writes what is queued, closes the sink and ends the thread.
    void Finish();
    // The sink failed for good; nothing more is written.
    bool Failed() const;

private:
    void Run();
    bool TakeNext(std::vector<std::uint8_t>& block);
    void GiveBack(std::vector<std::uint8_t>&& block);

    std::unique_ptr<SampleWriter> sink_;
    const std::size_t capacityBytes_;
    std::function<void()> onSinkFailed_;

    mutable std::mutex mutex_;
    std::condition_variable queued_;
    std::deque<std::vector<std::uint8_t>> blocks_;  // oldest first
    std::vector<std::vector<std::uint8_t>> spare_;  // written blocks, kept for reuse
    std::size_t queuedBytes_ = 0;
    bool finishing_ = false;
    bool failed_ = false;
    std::thread thread_;
};
