#pragma once
// Records the capture device into the current writer: a looping ring buffer
// of 16 blocks, drained by one worker thread per recording each time the
// device completes a block. The worker only copies each block out of the
// ring into the writer thread's queue (writer_thread.h), which writes the
// WAV file or encodes the MP3 on a thread of its own, so a slow disk or
// encoder never keeps the worker from the ring.
//
// Threads: the owner (the recorder's user-interface thread) calls everything
// here. While a recording runs, the buffer, the ring offset, the feed and
// the level callback belong to the worker; the owner touches them again only
// after it has cleared the recording flag and joined the worker.

#include "recording/capture/capture_buffer.h"
#include "recording/capture/capture_pump.h"
#include "recording/capture/sample_writer.h"
#include "recording/capture/sound_feed.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class CaptureEngine {
public:
    // showLevel is called on the worker thread with each block's level.
    explicit CaptureEngine(std::function<void(int)> showLevel);
    ~CaptureEngine();
    CaptureEngine(const CaptureEngine&) = delete;
    CaptureEngine& operator=(const CaptureEngine&) = delete;

    // Stops any recording and releases the buffer of the previous device.
    void UseDevice(std::unique_ptr<CaptureDevice> device);
    CaptureDevice* Device() const { return device_.get(); }

    // Replaces the ring buffer with an idle one in this format.
    bool BuildCaptureBuffer(const CaptureFormat& format);
    const std::optional<CaptureFormat>& Format() const { return format_; }

    // Called on the worker thread, once per recording, when the writer
    // takes nothing more; the worker stops pumping and the owner should stop
    // the recording.
    void OnWriterExhausted(std::function<void()> callback) { writerExhausted_ = std::move(callback); }

    // Takes the opened writer, sets the recording flag, starts the writer
    // thread, the buffer (the one built before, else a new one) and the
    // worker. False (writer closed at once, nothing recorded) when there is
    // no writer, device or format, a recording runs, the buffer cannot be
    // built or started, or a thread cannot be started.
    bool StartRecording(std::unique_ptr<SampleWriter> writer);
    // Clears the flag, waits for the worker, then drains what is left, waits
    // for the writer thread to write everything queued, and closes the writer.
    void StopRecording();
    bool IsRecording() const { return recording_; }
    // What the last recording lost, each stretch filled with silence.
    const LostSound& LastRecordingLoss() const { return lost_; }

    // The writer thread may fall this far behind the capture before sound
    // is lost: long enough for a disk that pauses or an encoder starved by
    // a busy machine to catch up.
    static constexpr std::uint32_t kQueuedSeconds = 32;

private:
    // One draining pass into the current writer: on the worker while the
    // flag is set, then once more by the stop, never by both at once.
    PumpResult PumpCapture(PumpExtent extent = PumpExtent::WholeBlocks);
    bool StartCapture();
    void StopCapture();
    void CaptureThread();

    std::function<void(int)> showLevel_;
    std::function<void()> writerExhausted_;
    std::unique_ptr<CaptureDevice> device_;
    std::optional<CaptureFormat> format_;
    std::unique_ptr<CaptureBuffer> buffer_;
    bool bufferUsed_ = false;  // stopped once: never started again
    std::uint32_t blockSize_ = 0;
    std::uint32_t nextOffset_ = 0;
    std::unique_ptr<SoundFeed> writer_;
    LostSound lost_;
    std::atomic<bool> recording_{false};
    std::thread worker_;
};
