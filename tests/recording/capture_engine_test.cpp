#include "recording/capture/capture_engine.h"
#include "tests/recording/fake_capture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// Hands out fake ring buffers and lets the test complete blocks, which wakes
// the engine's worker the way the device's block event does.
class FakeCaptureDevice : public CaptureDevice {
public:
    bool Supports(const CaptureFormat&) override { return true; }
    std::unique_ptr<CaptureBuffer> CreateBuffer(const CaptureFormat&, std::uint32_t blockSize,
                                                std::uint32_t blockCount) override {
        std::lock_guard lock(mutex_);
        auto buffer = std::make_unique<FakeCaptureBuffer>(blockSize * blockCount);
        current_ = buffer.get();
        block_ = blockSize;
        ++buffersCreated;
        return buffer;
    }
    bool WaitForBlock() override {
        std::unique_lock lock(mutex_);
        waiting_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return signalled_; });
        signalled_ = false;
        waiting_ = false;
        ++wakeUps_;
        changed_.notify_all();
        return true;
    }
    void WakeBlockWaiter() override {
        std::lock_guard lock(mutex_);
        signalled_ = true;
        changed_.notify_all();
    }

    // Once the worker is idle again (so it does not read the ring meanwhile),
    // the device fills blocks of the current buffer and, when asked, signals.
    void CompleteBlocks(int count, std::uint8_t value, bool signal = true) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, std::chrono::seconds(5), [this] { return waiting_; });
        current_->Capture(block_ * count, value);
        if (!signal) return;
        const int before = wakeUps_;
        signalled_ = true;
        changed_.notify_all();
        changed_.wait_for(lock, std::chrono::seconds(5), [&] { return wakeUps_ > before; });
    }
    FakeCaptureBuffer* Current() { return current_; }
    int buffersCreated = 0;

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool signalled_ = false;
    bool waiting_ = false;
    int wakeUps_ = 0;
    FakeCaptureBuffer* current_ = nullptr;
    std::uint32_t block_ = 0;
};

struct Recorder {
    Recorder() : engine([this](int level) { levels.push_back(level); }) {
        auto owned = std::make_unique<FakeCaptureDevice>();
        device = owned.get();
        engine.UseDevice(std::move(owned));
    }
    FakeCaptureDevice* device;
    std::vector<int> levels;
    CaptureEngine engine;
};

const CaptureFormat kSlowFormat{8000, 8, 1};  // 1024-byte blocks

TEST(CaptureEngine, RecordsEveryCompletedBlockAndTheRestAtTheStop) {
    Recorder recorder;
    ASSERT_TRUE(recorder.engine.BuildCaptureBuffer(kSlowFormat));
    WriterLog written;
    ASSERT_TRUE(recorder.engine.StartRecording(std::make_unique<RecordingWriter>(written)));
    // The set-up's buffer serves the recording: building one takes the
    // device long enough to lose the recording's first moments.
    EXPECT_EQ(recorder.device->buffersCreated, 1);
    EXPECT_TRUE(recorder.device->Current()->started);

    recorder.device->CompleteBlocks(2, 5);
    recorder.device->CompleteBlocks(1, 6);
    // A block the device completes after the last wake-up is drained by the stop.
    recorder.device->CompleteBlocks(1, 7, false);
    recorder.engine.StopRecording();

    EXPECT_FALSE(recorder.device->Current()->started);
    // The last pass reads a buffer that has stopped moving, so it cannot race
    // the device.
    EXPECT_EQ(recorder.device->Current()->locksWhileStopped, 1);
    EXPECT_FALSE(recorder.engine.IsRecording());
    EXPECT_EQ(written.closeCount, 1);
    std::size_t total = 0;
    for (const auto& call : written.calls) total += call.size();
    EXPECT_EQ(total, 4u * 1024);
    EXPECT_EQ(written.calls.back().back(), 7);
    EXPECT_FALSE(recorder.levels.empty());
}

// Stopping a recording 2.5 blocks in keeps the half block: the file ends
// where the user pressed Stop, not up to an eighth of a second before it.
TEST(CaptureEngine, TheStopWritesThePartialBlockInWholeFrames) {
    Recorder recorder;
    const CaptureFormat stereo{8000, 16, 2};  // 4-byte frames
    ASSERT_TRUE(recorder.engine.BuildCaptureBuffer(stereo));
    WriterLog written;
    ASSERT_TRUE(recorder.engine.StartRecording(std::make_unique<RecordingWriter>(written)));
    recorder.device->CompleteBlocks(2, 5);
    const std::uint32_t block = CaptureNotifySize(stereo);
    recorder.device->Current()->Capture(block / 2 + 3, 6);  // a frame and a bit is unfinished
    recorder.engine.StopRecording();

    std::size_t total = 0;
    for (const auto& call : written.calls) total += call.size();
    EXPECT_EQ(total, 2u * block + block / 2);
    EXPECT_EQ(written.calls.back().back(), 6);
}

// The next recording gets a buffer of its own: none of the earlier
// recording's sound comes again.
TEST(CaptureEngine, ASecondRecordingHearsNothingOfTheFirst) {
    Recorder recorder;
    ASSERT_TRUE(recorder.engine.BuildCaptureBuffer(kSlowFormat));
    WriterLog first;
    ASSERT_TRUE(recorder.engine.StartRecording(std::make_unique<RecordingWriter>(first)));
    recorder.device->CompleteBlocks(3, 5);
    recorder.engine.StopRecording();

    WriterLog second;
    ASSERT_TRUE(recorder.engine.StartRecording(std::make_unique<RecordingWriter>(second)));
    recorder.device->CompleteBlocks(1, 8);
    recorder.engine.StopRecording();
    EXPECT_EQ(recorder.device->buffersCreated, 2);
    std::vector<std::uint8_t> bytes;
    for (const auto& call : second.calls) bytes.insert(bytes.end(), call.begin(), call.end());
    EXPECT_EQ(bytes, std::vector<std::uint8_t>(1024, 8));
}

TEST(CaptureEngine, AWriterThatTakesNothingMoreEndsThePumpingAndTellsTheOwnerOnce) {
    Recorder recorder;
    std::atomic<int> told{0};
    recorder.engine.OnWriterExhausted([&told] { ++told; });
    ASSERT_TRUE(recorder.engine.BuildCaptureBuffer(kSlowFormat));
    WriterLog written;
    written.exhausted = true;
    ASSERT_TRUE(recorder.engine.StartRecording(std::make_unique<RecordingWriter>(written)));
    recorder.device->CompleteBlocks(1, 5);
    // The worker's pass meets the full writer; give it the time a busy
    // machine may take before the stop.
    for (int i = 0; i < 500 && told == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    recorder.engine.StopRecording();
    EXPECT_EQ(told, 1);
    EXPECT_EQ(written.closeCount, 1);
}

// Without a format there is nothing to capture: the start fails at once
// rather than leave a worker waiting for blocks that never come.
TEST(CaptureEngine, StopsWithoutAFormatInsteadOfWaitingForever) {
    Recorder recorder;
    WriterLog written;
    EXPECT_FALSE(recorder.engine.StartRecording(std::make_unique<RecordingWriter>(written)));
    EXPECT_FALSE(recorder.engine.IsRecording());
    recorder.engine.StopRecording();
    EXPECT_TRUE(written.calls.empty());
    EXPECT_EQ(written.closeCount, 1);
}

TEST(CaptureEngine, RefusesASecondRecordingAndClosesItsWriter) {
    Recorder recorder;
    ASSERT_TRUE(recorder.engine.BuildCaptureBuffer(kSlowFormat));
    WriterLog first;
    ASSERT_TRUE(recorder.engine.StartRecording(std::make_unique<RecordingWriter>(first)));
    WriterLog second;
    EXPECT_FALSE(recorder.engine.StartRecording(std::make_unique<RecordingWriter>(second)));
    EXPECT_EQ(second.closeCount, 1);
    recorder.engine.StopRecording();
}

TEST(CaptureEngine, WithoutADeviceNothingStarts) {
    CaptureEngine engine(nullptr);
    WriterLog log;
    EXPECT_FALSE(engine.BuildCaptureBuffer(kSlowFormat));
    EXPECT_FALSE(engine.StartRecording(std::make_unique<RecordingWriter>(log)));
    EXPECT_EQ(log.closeCount, 1);
}

}  // namespace
