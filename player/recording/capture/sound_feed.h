#pragma once
// What the capture thread writes a recording into: the writer thread's
// queue, with the recording's timeline kept true. Sound that never reached
// the queue (the ring ran over before the thread came back to it, or the
// queue was full because the disk or the encoder fell behind) is written as
// silence of the same length, so that everything after it stays at its
// time, and it is counted, so that the recorder can say what was lost.
//
// The newest sound waits here a moment before it goes on, so that a stop
// handled late on a busy machine can still end the file where the user
// clicked (Trim).
//
// Threads: the capture thread while the recording runs, then the owner for
// the last pass, Trim and Close, as for any SampleWriter.

#include "recording/capture/capture_format.h"
#include "recording/capture/sample_writer.h"
#include "recording/files/writer_thread.h"

#include <cstdint>
#include <memory>
#include <vector>

struct LostSound {
    std::uint64_t bytes = 0;
    int gaps = 0;  // stretches of lost sound, each filled with silence
};

class SoundFeed : public SampleWriter {
public:
    // blockSize: the most silence queued in one piece; heldBytes: how much
    // of the newest sound waits before it goes on.
    SoundFeed(std::unique_ptr<WriterThread> writer, const CaptureFormat& format,
              std::uint32_t blockSize, std::size_t heldBytes);

    // Queues the bytes after any silence still owed; bytes that do not fit
    // are owed as silence in turn. False once the writer has failed.
    bool WriteSamples(const std::uint8_t* bytes, std::size_t length) override;
    // length bytes of sound were lost here; they go in as silence.
    void AddGap(std::uint64_t length);
    // Drops up to length bytes of the newest sound, which came after the stop.
    void Trim(std::size_t length);
    bool Exhausted() const override { return writer_->Failed(); }
    // Writes what is queued and closes the file. Silence still owed at the
    // very end is left out: nothing follows that it would keep in time.
    void Close() override;

    const LostSound& Lost() const { return lost_; }

private:
    void Forward(const std::uint8_t* bytes, std::size_t length);
    void ForwardHeld(std::size_t length);
    bool PayOwedSilence();
    void Owe(std::uint64_t length);

    std::unique_ptr<WriterThread> writer_;
    std::vector<std::uint8_t> silence_;  // one block's worth
    std::size_t heldBytes_;
    std::vector<std::uint8_t> held_;  // the newest sound, oldest first
    std::uint64_t owed_ = 0;          // lost bytes not yet queued as silence
    LostSound lost_;
};
