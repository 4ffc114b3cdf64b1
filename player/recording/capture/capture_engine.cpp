#include "recording/capture/capture_engine.h"

#include "common/helpers/contained_call.h"

#include <algorithm>
#include <system_error>
#include <utility>

CaptureEngine::CaptureEngine(std::function<void(int)> showLevel,
                             std::function<CaptureClock::time_point()> now)
    : showLevel_(std::move(showLevel)), now_(std::move(now)) {}

CaptureEngine::~CaptureEngine() {
    StopRecording();
    ReleaseBuffer();
}

void CaptureEngine::UseDevice(std::unique_ptr<CaptureDevice> device) {
    StopRecording();
    ReleaseBuffer();
    format_.reset();
    device_ = std::move(device);
}

bool CaptureEngine::BuildCaptureBuffer(const CaptureFormat& format) {
    ReleaseBuffer();
    format_ = format;
    blockSize_ = CaptureNotifySize(format);
    if (!device_) return false;
    buffer_ = device_->CreateBuffer(format, blockSize_, kCaptureBlocksPerBuffer);
    if (buffer_ && !buffer_->Start()) buffer_.reset();
    bufferStarted_ = now_();
    return buffer_ != nullptr;
}

std::uint32_t CaptureEngine::BytesSince(std::chrono::milliseconds clickedAgo) const {
    const auto time = std::clamp<std::chrono::milliseconds>(clickedAgo, {}, kLatestClick);
    const std::uint64_t bytes =
        format_->AvgBytesPerSec() * static_cast<std::uint64_t>(time.count()) / 1000;
    return static_cast<std::uint32_t>(bytes - bytes % format_->BlockAlign());
}

// A stream that has not yet had the time to go round its ring holds only
// what it delivered since it started, up to its position.
std::uint32_t CaptureEngine::SoundInRing(std::uint32_t position,
                                         CaptureClock::time_point now) const {
    const double secondsRunning = std::chrono::duration<double>(now - bufferStarted_).count();
    const bool wentRound = secondsRunning * format_->AvgBytesPerSec() >= buffer_->Size();
    return wentRound ? buffer_->Size() : position;
}

void CaptureEngine::ReleaseBuffer() {
    if (buffer_) std::exchange(buffer_, nullptr)->Stop();
}

bool CaptureEngine::StartRecording(std::unique_ptr<SampleWriter> writer,
                                   std::chrono::milliseconds clickedAgo) {
    if (!writer) return false;
    // A writer that gives up wakes the worker, which then ends the recording.
    auto writerThread = std::make_unique<WriterThread>(
        std::move(writer), kQueuedSeconds * (format_ ? format_->AvgBytesPerSec() : 0),
        [this] { device_->WakeBlockWaiter(); });
    const bool ready =
        !recording_ && device_ && format_ && (buffer_ || BuildCaptureBuffer(*format_));
    const std::optional<std::uint32_t> position = ready ? buffer_->ReadPosition() : std::nullopt;
    if (!position || !writerThread->Start()) {
        writerThread->Finish();
        return false;
    }
    // The recording begins at the click. The ring gives back what it holds
    // of the time since; the part of that time from before the stream's
    // first sound, which no ring holds, the watch counts as a late start.
    const CaptureClock::time_point now = now_();
    const auto ago = std::clamp<std::chrono::milliseconds>(clickedAgo, {}, kLatestClick);
    const std::uint32_t takenBack = std::min(BytesSince(ago), SoundInRing(*position, now));
    nextOffset_ = (*position + buffer_->Size() - takenBack) % buffer_->Size();
    watch_.emplace(buffer_->Size(), format_->AvgBytesPerSec(), format_->BlockAlign());
    watch_->Begin(now - ago, nextOffset_);
    writer_ = std::make_unique<SoundFeed>(std::move(writerThread), *format_, blockSize_,
                                          BytesSince(kLatestClick));
    lost_ = {};
    recording_ = true;
    try {
        // A pass that throws ends the worker as a failed wait does: the
        // recording keeps what it has until the stop drains the rest.
        worker_ = std::thread([this] { RanContained([this] { CaptureThread(); }); });
    } catch (const std::system_error&) {
        recording_ = false;
        std::exchange(writer_, nullptr)->Close();
        return false;
    }
    return true;
}

void CaptureEngine::StopRecording(std::chrono::milliseconds clickedAgo) {
    if (!recording_) return;
    recording_ = false;
    // The worker may be waiting for a block that never comes; wake it
    // rather than wait for its next look.
    device_->WakeBlockWaiter();
    worker_.join();
    // Up to the very sample the device has reached, not the last whole
    // block, after what was lost since the worker's last look.
    CountLostSound();
    PumpCapture(PumpExtent::Everything);
    writer_->Trim(BytesSince(clickedAgo));
    lost_ = writer_->Lost();
    std::exchange(writer_, nullptr)->Close();
}

void CaptureEngine::CaptureThread() {
    // A wait that fails would fail again at once; the recording then keeps
    // what it has until the stop drains the rest. The flag is read again
    // after each wait: the stop wakes the worker only to end it, and takes
    // the rest itself.
    device_->PrepareWaitingThread();
    while (recording_ && device_->WaitForBlock(kLookInterval) && recording_) {
        if (const std::optional<CaptureEnd> end = TakeCapturedSound()) {
            if (ended_) ended_(*end);
            return;
        }
    }
}

std::optional<CaptureEnd> CaptureEngine::TakeCapturedSound() {
    if (CountLostSound()) return CaptureEnd::DeviceStalled;
    PumpCapture();
    if (writer_->Exhausted()) return CaptureEnd::WriterExhausted;
    return std::nullopt;
}

// The sound lost since the last look goes in as silence before the sound
// that waits, which follows it in time. True when the device has stalled.
bool CaptureEngine::CountLostSound() {
    const std::optional<std::uint32_t> position = buffer_->ReadPosition();
    if (!position) return false;
    const CaptureClock::time_point now = now_();
    writer_->AddGap(watch_->LostSince(now, *position));
    return watch_->Stalled(now);
}

PumpResult CaptureEngine::PumpCapture(PumpExtent extent) {
    if (!buffer_ || !writer_ || !format_) return PumpResult::NothingToDo;
    return ::PumpCapture({*buffer_, blockSize_, nextOffset_, format_->BlockAlign()}, *writer_,
                         showLevel_, extent);
}
