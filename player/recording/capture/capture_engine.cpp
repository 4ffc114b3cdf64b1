#include "recording/capture/capture_engine.h"

#include "common/helpers/contained_call.h"

#include <system_error>
#include <utility>

CaptureEngine::CaptureEngine(std::function<void(int)> showLevel)
    : showLevel_(std::move(showLevel)) {}

CaptureEngine::~CaptureEngine() { StopRecording(); }

void CaptureEngine::UseDevice(std::unique_ptr<CaptureDevice> device) {
    StopRecording();
    buffer_.reset();
    format_.reset();
    device_ = std::move(device);
}

bool CaptureEngine::BuildCaptureBuffer(const CaptureFormat& format) {
    buffer_.reset();
    bufferUsed_ = false;
    format_ = format;
    nextOffset_ = 0;
    blockSize_ = CaptureNotifySize(format);
    if (!device_) return false;
    buffer_ = device_->CreateBuffer(format, blockSize_, kCaptureBlocksPerBuffer);
    return buffer_ != nullptr;
}

bool CaptureEngine::StartRecording(std::unique_ptr<SampleWriter> writer) {
    if (!writer) return false;
    // A writer that gives up wakes the worker, which then ends the recording.
    auto writerThread = std::make_unique<WriterThread>(
        std::move(writer), kQueuedSeconds * (format_ ? format_->AvgBytesPerSec() : 0),
        [this] { device_->WakeBlockWaiter(); });
    if (recording_ || !device_ || !format_ || !writerThread->Start() || !StartCapture()) {
        writerThread->Finish();
        return false;
    }
    writer_ = std::make_unique<SoundFeed>(std::move(writerThread), *format_, blockSize_);
    lost_ = {};
    recording_ = true;
    try {
        // A pass that throws ends the worker as a failed wait does: the
        // recording keeps what it has until the stop drains the rest.
        worker_ = std::thread([this] { RanContained([this] { CaptureThread(); }); });
    } catch (const std::system_error&) {
        recording_ = false;
        StopCapture();
        return false;
    }
    return true;
}

void CaptureEngine::StopRecording() {
    if (!recording_) return;
    recording_ = false;
    // The worker may be waiting for a block that never comes (no buffer, or a
    // device that stopped delivering); wake it rather than wait forever.
    if (device_) device_->WakeBlockWaiter();
    worker_.join();
    StopCapture();
}

// Building a buffer opens the device's stream, which can take a few tenths
// of a second, and the sound played meanwhile would be missing from the
// recording's start. So the buffer the set-up built serves the first
// recording; a stopped one is not started again (under Wine its ring then
// gave up to two seconds of old sound first), so later ones build anew.
bool CaptureEngine::StartCapture() {
    if ((!buffer_ || bufferUsed_) && !(format_ && BuildCaptureBuffer(*format_))) return false;
    const std::optional<std::uint32_t> position = buffer_->ReadPosition();
    if (position && buffer_->Start()) {
        nextOffset_ = *position;
        return true;
    }
    buffer_.reset();
    return false;
}

void CaptureEngine::StopCapture() {
    if (buffer_) {
        buffer_->Stop();
        // Up to the very sample the device stopped at, not the last whole block.
        PumpCapture(PumpExtent::Everything);
        bufferUsed_ = true;
    }
    if (writer_) {
        lost_ = writer_->Lost();
        std::exchange(writer_, nullptr)->Close();
    }
}

void CaptureEngine::CaptureThread() {
    // A wait that fails would fail again at once; the recording then keeps
    // what it has until the stop drains the rest. The flag is read again
    // after each wait: the stop wakes the worker only to end it, and drains
    // the buffer itself once the buffer has stopped.
    device_->PrepareWaitingThread();
    while (recording_ && device_->WaitForBlock() && recording_) {
        PumpCapture();
        if (writer_ && writer_->Exhausted()) {
            if (writerExhausted_) writerExhausted_();
            return;
        }
    }
}

PumpResult CaptureEngine::PumpCapture(PumpExtent extent) {
    if (!buffer_ || !writer_ || !format_) return PumpResult::NothingToDo;
    return ::PumpCapture({*buffer_, blockSize_, nextOffset_, format_->BlockAlign()}, *writer_,
                         showLevel_, extent);
}
