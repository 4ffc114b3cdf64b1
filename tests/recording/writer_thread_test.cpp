#include "recording/files/writer_thread.h"
#include "tests/recording/fake_capture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace {

// A sink whose writes wait until the test lets them through, as a disk that
// pauses does.
class HeldSink : public SampleWriter {
public:
    explicit HeldSink(WriterLog& log) : log_(log) {}
    bool WriteSamples(const std::uint8_t* bytes, std::size_t length) override {
        std::unique_lock lock(mutex);
        released.wait(lock, [this] { return open; });
        log_.calls.emplace_back(bytes, bytes + length);
        return !log_.failWrites;
    }
    bool Exhausted() const override { return log_.exhausted; }
    void Close() override { ++log_.closeCount; }
    void Release() {
        std::lock_guard lock(mutex);
        open = true;
        released.notify_all();
    }

    std::mutex mutex;
    std::condition_variable released;
    bool open = false;

private:
    WriterLog& log_;
};

const std::uint8_t kBlock[4] = {1, 2, 3, 4};

// While the disk pauses, blocks wait in order up to the queue's size and the
// next one is refused at once rather than held; the pause over, every queued
// block reaches the file in order before it is closed.
TEST(WriterThread, QueuesUpToItsSizeWhileTheSinkWaitsThenWritesAllInOrder) {
    WriterLog log;
    auto owned = std::make_unique<HeldSink>(log);
    HeldSink& sink = *owned;
    WriterThread writer(std::move(owned), 8, nullptr);
    ASSERT_TRUE(writer.Start());
    // The first block may already be with the sink; two more fill the queue.
    EXPECT_TRUE(writer.Push(kBlock, 4));
    bool refused = false;
    int pushed = 1;
    for (int i = 0; i < 4 && !refused; ++i) {
        if (writer.Push(kBlock, 4))
            ++pushed;
        else
            refused = true;
    }
    EXPECT_TRUE(refused);
    EXPECT_LE(pushed, 3);
    sink.Release();
    writer.Finish();
    EXPECT_EQ(static_cast<int>(log.calls.size()), pushed);
    EXPECT_EQ(log.closeCount, 1);
}

TEST(WriterThread, ASinkThatGivesUpIsReportedOnceAndRefusesTheRest) {
    WriterLog log;
    log.exhausted = true;
    std::atomic<int> told{0};
    auto owned = std::make_unique<HeldSink>(log);
    owned->Release();
    WriterThread writer(std::move(owned), 1024, [&told] { ++told; });
    ASSERT_TRUE(writer.Start());
    EXPECT_TRUE(writer.Push(kBlock, 4));
    for (int i = 0; i < 500 && !writer.Failed(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(writer.Failed());
    EXPECT_FALSE(writer.Push(kBlock, 4));
    writer.Finish();
    EXPECT_EQ(told, 1);
    EXPECT_EQ(log.closeCount, 1);
}

}  // namespace
