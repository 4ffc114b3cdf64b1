#pragma once
// The capture device as the engine needs it: a looping ring buffer that the
// sound card fills and that is read in whole blocks, and a wake-up each time
// a block is complete. The product drives DirectSound capture
// (directsound_capture.h); unit tests drive a scripted ring buffer.

#include "recording/capture/capture_format.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

// The bytes of one lock: a lock across the end of the ring buffer comes back
// as two regions, the second one starting at offset 0.
struct CaptureRegions {
    const std::uint8_t* first = nullptr;
    std::uint32_t firstLength = 0;
    const std::uint8_t* second = nullptr;
    std::uint32_t secondLength = 0;
};

class CaptureBuffer {
public:
    virtual ~CaptureBuffer() = default;
    virtual std::uint32_t Size() const = 0;
    virtual bool Start() = 0;  // looping
    virtual bool Stop() = 0;
    // How far the device has filled the ring; everything before it can be read.
    virtual std::optional<std::uint32_t> ReadPosition() = 0;
    virtual std::optional<CaptureRegions> Lock(std::uint32_t offset, std::uint32_t length) = 0;
    virtual void Unlock(const CaptureRegions& regions) = 0;
};

class CaptureDevice {
public:
    virtual ~CaptureDevice() = default;
    // Whether the device can capture in this format at all.
    virtual bool Supports(const CaptureFormat& format) = 0;
    // A ring buffer of blockCount blocks that signals the device's block
    // event at the end of every block; null when the device refuses it.
    virtual std::unique_ptr<CaptureBuffer> CreateBuffer(const CaptureFormat& format,
                                                        std::uint32_t blockSize,
                                                        std::uint32_t blockCount) = 0;
    // Waits until a block is complete, WakeBlockWaiter is called or the
    // limit has passed; false when waiting itself failed.
    virtual bool WaitForBlock(std::chrono::milliseconds limit) = 0;
    // Called on the capture thread before its first wait. A thread that
    // wakes late on a busy machine loses what the ring overwrote meanwhile,
    // so the real device runs it above normal priority.
    virtual void PrepareWaitingThread() {}
    virtual void WakeBlockWaiter() = 0;
};
