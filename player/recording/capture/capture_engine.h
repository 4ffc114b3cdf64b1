#pragma once
// Records the capture device into the current writer. The ring buffer is
// built and started when the device and format are chosen and keeps running
// until they change: a recording takes the sound from the position the
// device has reached when Record is pressed, and ends at the position it
// has reached at Stop. Under Wine a newly made capture stream sometimes
// delivers late or never, and one stopped and started again gives up old
// sound first; a stream that runs throughout does neither, and a recording
// then lasts exactly as long as Record to Stop.
//
// One worker thread per recording wakes at each block the device completes
// and only copies the blocks out of the ring into the writer thread's queue
// (writer_thread.h), which writes the WAV file or encodes the MP3, so a slow
// disk or encoder never keeps the worker from the ring. At each wake-up it
// also checks the device's position against the clock (capture_watch.h):
// whole rounds of the ring lost while it was late go into the file as
// silence and are counted, and a device that has stopped capturing ends the
// recording.
//
// Threads: the owner (the recorder's user-interface thread) calls everything
// here. While a recording runs, the ring offset, the feed, the watch and the
// level callback belong to the worker; the owner touches them again only
// after it has cleared the recording flag and joined the worker.

#include "recording/capture/capture_buffer.h"
#include "recording/capture/capture_pump.h"
#include "recording/capture/capture_watch.h"
#include "recording/capture/sample_writer.h"
#include "recording/capture/sound_feed.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

// Why the worker ended a recording by itself.
enum class CaptureEnd { WriterExhausted, DeviceStalled };

class CaptureEngine {
public:
    // showLevel is called on the worker thread with each block's level; now
    // is the clock the worker checks the device against.
    explicit CaptureEngine(std::function<void(int)> showLevel,
                           std::function<CaptureClock::time_point()> now = CaptureClock::now);
    ~CaptureEngine();
    CaptureEngine(const CaptureEngine&) = delete;
    CaptureEngine& operator=(const CaptureEngine&) = delete;

    // Stops any recording and releases the buffer of the previous device.
    void UseDevice(std::unique_ptr<CaptureDevice> device);
    CaptureDevice* Device() const { return device_.get(); }

    // Replaces the ring buffer with one in this format, running; false when
    // the device cannot make or start it.
    bool BuildCaptureBuffer(const CaptureFormat& format);
    const std::optional<CaptureFormat>& Format() const { return format_; }

    // Called on the worker thread, once per recording, when the worker ends
    // it by itself; the owner should then stop the recording.
    void OnRecordingEnded(std::function<void(CaptureEnd)> callback) {
        ended_ = std::move(callback);
    }

    // Takes the opened writer, starts the writer thread, sets the recording
    // flag and starts the worker at the device's position when Record was
    // clicked, clickedAgo before (up to kLatestClick; a busy machine may
    // handle the click late, and the running ring still holds the sound
    // since, unless the click came before the stream's first sound: that
    // wait goes in as silence, counted as lost). False
    // (writer closed at once, nothing recorded) when there is no writer,
    // device or running buffer (and none can be built), a recording runs, or
    // a thread cannot be started.
    bool StartRecording(std::unique_ptr<SampleWriter> writer,
                        std::chrono::milliseconds clickedAgo = {});
    // Clears the flag, waits for the worker, takes the sound up to the
    // device's position when Stop was clicked, clickedAgo before (up to
    // kLatestClick), waits for the writer thread to write everything queued,
    // and closes the writer. The buffer keeps running.
    void StopRecording(std::chrono::milliseconds clickedAgo = {});
    bool IsRecording() const { return recording_; }
    // What the last recording lost, each stretch filled with silence.
    const LostSound& LastRecordingLoss() const { return lost_; }

    // The writer thread may fall this far behind the capture before sound
    // is lost: long enough for a disk that pauses or an encoder starved by
    // a busy machine to catch up.
    static constexpr std::uint32_t kQueuedSeconds = 32;
    // The worker looks at the device at least this often, so that a device
    // that no longer signals blocks is noticed.
    static constexpr std::chrono::milliseconds kLookInterval{250};
    // The latest a click is taken at its time rather than when handled. A
    // Record clicked as the recordings window first shows has waited 1.8 s
    // under Wine; the worker still reaches the oldest of this before the
    // four-second ring goes round onto it.
    static constexpr std::chrono::seconds kLatestClick{3};

private:
    // One draining pass into the current writer: on the worker while the
    // flag is set, then once more by the stop, never by both at once.
    PumpResult PumpCapture(PumpExtent extent = PumpExtent::WholeBlocks);
    void ReleaseBuffer();
    // The bytes the device captures in that time, in whole frames, at most
    // kLatestClick's worth.
    std::uint32_t BytesSince(std::chrono::milliseconds clickedAgo) const;
    std::uint32_t SoundInRing(std::uint32_t position, CaptureClock::time_point now) const;
    void CaptureThread();
    std::optional<CaptureEnd> TakeCapturedSound();
    bool CountLostSound();

    std::function<void(int)> showLevel_;
    std::function<CaptureClock::time_point()> now_;
    std::function<void(CaptureEnd)> ended_;
    std::unique_ptr<CaptureDevice> device_;
    std::optional<CaptureFormat> format_;
    std::unique_ptr<CaptureBuffer> buffer_;  // running while it exists
    CaptureClock::time_point bufferStarted_{};  // when buffer_ was made and started
    std::uint32_t blockSize_ = 0;
    std::uint32_t nextOffset_ = 0;
    std::optional<CaptureWatch> watch_;
    std::unique_ptr<SoundFeed> writer_;
    LostSound lost_;
    std::atomic<bool> recording_{false};
    std::thread worker_;
};
