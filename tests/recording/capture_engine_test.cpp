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
    bool WaitForBlock(std::chrono::milliseconds) override {
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
    // Returns once the worker waits again, its last look over.
    void WaitForTheWorker() {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, std::chrono::seconds(5), [this] { return waiting_; });
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

// The clock the worker checks the device against stands still until the
// test moves it.
struct Recorder {
    Recorder()
        : engine([this](int level) { levels.push_back(level); },
                 [this] {
                     return CaptureClock::time_point(std::chrono::microseconds(clock.load()));
                 }) {
        auto owned = std::make_unique<FakeCaptureDevice>();
        device = owned.get();
        engine.UseDevice(std::move(owned));
    }
    void Advance(std::chrono::microseconds by) {
        device->WaitForTheWorker();
        clock += by.count();
    }
    FakeCaptureDevice* device;
    std::vector<int> levels;
    std::atomic<long long> clock{0};
    CaptureEngine engine;
};

const CaptureFormat kSlowFormat{8000, 8, 1};  // 1024-byte blocks, 8000 bytes a second

// The buffer runs from the set-up on: a recording takes what the device
// captures from Record on, nothing from before, and the stop takes the last
// block whether or not it was signalled, while the buffer keeps running.
TEST(CaptureEngine, RecordsFromTheDevicesPositionAtRecordToItsPositionAtStop) {
    Recorder recorder;
    ASSERT_TRUE(recorder.engine.BuildCaptureBuffer(kSlowFormat));
    EXPECT_TRUE(recorder.device->Current()->started);
    recorder.device->Current()->Capture(1500, 9);  // before Record
    WriterLog written;
    ASSERT_TRUE(recorder.engine.StartRecording(std::make_unique<RecordingWriter>(written)));
    recorder.device->CompleteBlocks(2, 5);
    recorder.device->CompleteBlocks(1, 6);
    recorder.device->CompleteBlocks(1, 7, false);
    recorder.engine.StopRecording();

    EXPECT_TRUE(recorder.device->Current()->started);
    EXPECT_EQ(recorder.device->buffersCreated, 1);
    EXPECT_FALSE(recorder.engine.IsRecording());
    EXPECT_EQ(written.closeCount, 1);
    std::vector<std::uint8_t> expected(2 * 1024, 5);
    expected.insert(expected.end(), 1024, 6);
    expected.insert(expected.end(), 1024, 7);
    EXPECT_EQ(Written(written), expected);
    EXPECT_FALSE(recorder.levels.empty());
    EXPECT_EQ(recorder.engine.LastRecordingLoss().gaps, 0);
}

// On a busy machine a click may wait before it is handled: the recording
// still starts and ends where the user clicked, since the running ring
// holds the sound from the click on and the newest sound waits a moment
// before it goes to the file.
TEST(CaptureEngine, ClicksHandledLateStillStartAndEndTheRecordingAtTheClick) {
    Recorder recorder;
    ASSERT_TRUE(recorder.engine.BuildCaptureBuffer(kSlowFormat));
    recorder.device->Current()->Capture(1500, 8);
    recorder.device->Current()->Capture(1024, 9);  // after the Record click
    WriterLog written;
    const std::chrono::milliseconds block(128);  // 1024 bytes
    ASSERT_TRUE(recorder.engine.StartRecording(std::make_unique<RecordingWriter>(written), block));
    recorder.device->CompleteBlocks(2, 5);
    recorder.device->CompleteBlocks(1, 7);  // after the Stop click
    recorder.engine.StopRecording(block);

    std::vector<std::uint8_t> expected(1024, 9);
    expected.insert(expected.end(), 2 * 1024, 5);
    EXPECT_EQ(Written(written), expected);
    EXPECT_EQ(recorder.engine.LastRecordingLoss().gaps, 0);
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

    const std::vector<std::uint8_t> bytes = Written(written);
    EXPECT_EQ(bytes.size(), 2u * block + block / 2);
    EXPECT_EQ(bytes.back(), 6);
}

// The next recording starts where the device is then: none of the earlier
// recording's sound comes again, nor what was captured in between.
TEST(CaptureEngine, ASecondRecordingHearsNothingOfTheFirst) {
    Recorder recorder;
    ASSERT_TRUE(recorder.engine.BuildCaptureBuffer(kSlowFormat));
    WriterLog first;
    ASSERT_TRUE(recorder.engine.StartRecording(std::make_unique<RecordingWriter>(first)));
    recorder.device->CompleteBlocks(3, 5);
    recorder.engine.StopRecording();
    recorder.device->Current()->Capture(2048, 9);

    WriterLog second;
    ASSERT_TRUE(recorder.engine.StartRecording(std::make_unique<RecordingWriter>(second)));
    recorder.device->CompleteBlocks(1, 8);
    recorder.engine.StopRecording();
    EXPECT_EQ(recorder.device->buffersCreated, 1);
    EXPECT_EQ(Written(second), std::vector<std::uint8_t>(1024, 8));
}

// A worker that comes back five seconds late finds a four-second ring gone
// round once: the round it missed goes into the file as silence before what
// waits, so the file stays as long as the time it covers, and it is counted.
TEST(CaptureEngine, ARoundOfTheRingMissedIsSilenceOfItsLengthAndCounted) {
    Recorder recorder;
    ASSERT_TRUE(recorder.engine.BuildCaptureBuffer(kSlowFormat));
    const std::uint32_t ring = recorder.device->Current()->Size();
    WriterLog written;
    ASSERT_TRUE(recorder.engine.StartRecording(std::make_unique<RecordingWriter>(written)));
    recorder.Advance(std::chrono::microseconds(128000));
    recorder.device->CompleteBlocks(1, 5);
    recorder.Advance(std::chrono::microseconds(5120000));  // 40 blocks of 1024 bytes
    recorder.device->CompleteBlocks(40, 6);
    recorder.engine.StopRecording();

    std::vector<std::uint8_t> expected(1024, 5);
    expected.insert(expected.end(), ring, 0x80);
    expected.insert(expected.end(), 40 * 1024 - ring, 6);
    EXPECT_EQ(Written(written), expected);
    EXPECT_EQ(recorder.engine.LastRecordingLoss().bytes, ring);
    EXPECT_EQ(recorder.engine.LastRecordingLoss().gaps, 1);
}

// Under Wine a capture stream just made delivers nothing for about two
// seconds: a recording started that soon waits for its first sound, and the
// time it waited goes in as silence at the start, counted as lost.
TEST(CaptureEngine, ADeviceThatStartsLateLeavesSilenceOfTheWaitAtTheStart) {
    Recorder recorder;
    ASSERT_TRUE(recorder.engine.BuildCaptureBuffer(kSlowFormat));
    WriterLog written;
    ASSERT_TRUE(recorder.engine.StartRecording(std::make_unique<RecordingWriter>(written)));
    recorder.Advance(std::chrono::milliseconds(1000));
    recorder.device->CompleteBlocks(0, 0);
    recorder.Advance(std::chrono::milliseconds(1128));  // then one block in 128 ms
    recorder.device->CompleteBlocks(1, 5);
    recorder.engine.StopRecording();

    std::vector<std::uint8_t> expected(16000, 0x80);  // two seconds
    expected.insert(expected.end(), 1024, 5);
    EXPECT_EQ(Written(written), expected);
    EXPECT_EQ(recorder.engine.LastRecordingLoss().bytes, 16000u);
    EXPECT_EQ(recorder.engine.LastRecordingLoss().gaps, 1);
}

// A Record clicked just after the set-up may be handled late, when the new
// stream has delivered less than the time since the click: the ring holds
// nothing from before the stream's first sound, so that part of the wait is
// silence at the start, counted as lost, and the recording still lasts from
// the click.
TEST(CaptureEngine, ARecordHandledLaterThanTheStreamsFirstSoundKeepsTheWholeWait) {
    Recorder recorder;
    ASSERT_TRUE(recorder.engine.BuildCaptureBuffer(kSlowFormat));
    recorder.clock += 1500000;  // silent for a second, then half a second of sound
    recorder.device->Current()->Capture(4000, 9);
    WriterLog written;
    const std::chrono::milliseconds clickedAgo(1200);
    ASSERT_TRUE(
        recorder.engine.StartRecording(std::make_unique<RecordingWriter>(written), clickedAgo));
    recorder.device->CompleteBlocks(0, 0);
    recorder.Advance(std::chrono::milliseconds(128));
    recorder.device->CompleteBlocks(1, 5);
    recorder.engine.StopRecording();

    std::vector<std::uint8_t> expected(5600, 0x80);  // the 0.7 s before the first sound
    expected.insert(expected.end(), 4000, 9);
    expected.insert(expected.end(), 1024, 5);
    EXPECT_EQ(Written(written), expected);
    EXPECT_EQ(recorder.engine.LastRecordingLoss().bytes, 5600u);
    EXPECT_EQ(recorder.engine.LastRecordingLoss().gaps, 1);
}

int RecordUntilStalled(Recorder& recorder, std::chrono::milliseconds still) {
    std::atomic<int> stalled{0};
    recorder.engine.OnRecordingEnded([&stalled](CaptureEnd end) {
        if (end == CaptureEnd::DeviceStalled) ++stalled;
    });
    WriterLog written;
    if (!recorder.engine.StartRecording(std::make_unique<RecordingWriter>(written))) return -1;
    recorder.Advance(std::chrono::microseconds(128000));
    recorder.device->CompleteBlocks(1, 5);
    recorder.Advance(still - std::chrono::milliseconds(100));
    recorder.device->CompleteBlocks(0, 0);
    recorder.device->WaitForTheWorker();
    const int early = stalled;
    recorder.Advance(std::chrono::milliseconds(100));
    recorder.device->CompleteBlocks(0, 0);
    for (int i = 0; i < 500 && stalled == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    recorder.engine.StopRecording();
    return early == 0 && written.closeCount == 1 ? stalled.load() : -1;
}

// A device whose position stands still for two seconds has stopped
// capturing: the worker ends the recording and says why, once.
TEST(CaptureEngine, ADeviceThatStopsMovingForTwoSecondsEndsTheRecording) {
    Recorder recorder;
    ASSERT_TRUE(recorder.engine.BuildCaptureBuffer(kSlowFormat));
    EXPECT_EQ(RecordUntilStalled(recorder, std::chrono::seconds(2)), 1);
}

TEST(CaptureEngine, AWriterThatTakesNothingMoreEndsThePumpingAndTellsTheOwnerOnce) {
    Recorder recorder;
    std::atomic<int> told{0};
    recorder.engine.OnRecordingEnded([&told](CaptureEnd end) {
        if (end == CaptureEnd::WriterExhausted) ++told;
    });
    ASSERT_TRUE(recorder.engine.BuildCaptureBuffer(kSlowFormat));
    WriterLog written;
    written.exhausted = true;
    ASSERT_TRUE(recorder.engine.StartRecording(std::make_unique<RecordingWriter>(written)));
    // More than the newest sound that waits before it goes on.
    const auto waiting = CaptureEngine::kLatestClick.count() * kSlowFormat.AvgBytesPerSec();
    recorder.device->CompleteBlocks(static_cast<int>(waiting / 1024 + 1), 5);
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
