#pragma once
// A scripted capture device for the engine's tests: the test fills the ring
// and moves the device's read position by hand, and signals blocks.

#include "recording/capture/capture_buffer.h"
#include "recording/capture/sample_writer.h"

#include <memory>
#include <cstdint>
#include <set>
#include <vector>

class FakeCaptureBuffer : public CaptureBuffer {
public:
    explicit FakeCaptureBuffer(std::uint32_t size) : ring_(size) {}

    std::uint32_t Size() const override { return static_cast<std::uint32_t>(ring_.size()); }
    bool Start() override { return started = true; }
    bool Stop() override {
        started = false;
        return true;
    }
    std::optional<std::uint32_t> ReadPosition() override { return readPosition; }
    std::optional<CaptureRegions> Lock(std::uint32_t offset, std::uint32_t length) override {
        locks.push_back({offset, length});
        if (!started) ++locksWhileStopped;
        const std::uint32_t firstLength = std::min(length, Size() - offset);
        CaptureRegions regions{ring_.data() + offset, firstLength, nullptr, 0};
        if (firstLength < length) {
            regions.second = ring_.data();
            regions.secondLength = length - firstLength;
        }
        ++lockedCount;
        return regions;
    }
    void Unlock(const CaptureRegions&) override { --lockedCount; }

    // Fills length bytes from the current read position with value, wrapping.
    void Capture(std::uint32_t length, std::uint8_t value) {
        for (std::uint32_t i = 0; i < length; ++i) {
            ring_[readPosition] = value;
            readPosition = (readPosition + 1) % Size();
        }
    }
    std::uint8_t* Bytes() { return ring_.data(); }

    struct LockCall {
        std::uint32_t offset, length;
    };
    std::vector<LockCall> locks;
    std::uint32_t readPosition = 0;
    int lockedCount = 0;
    int locksWhileStopped = 0;
    bool started = false;

private:
    std::vector<std::uint8_t> ring_;
};

// A device that offers every format of some rates and, when asked to,
// hands out fake ring buffers; not for recording (nothing ever wakes).
class OfferingDevice : public CaptureDevice {
public:
    explicit OfferingDevice(std::set<std::uint32_t> rates, bool givesBuffers = true)
        : rates_(std::move(rates)), givesBuffers_(givesBuffers) {}
    bool Supports(const CaptureFormat& format) override {
        ++asked;
        return rates_.contains(format.sampleRate);
    }
    std::unique_ptr<CaptureBuffer> CreateBuffer(const CaptureFormat&, std::uint32_t blockSize,
                                                std::uint32_t blockCount) override {
        if (!givesBuffers_) return nullptr;
        return std::make_unique<FakeCaptureBuffer>(blockSize * blockCount);
    }
    bool WaitForBlock(std::chrono::milliseconds) override { return false; }
    void WakeBlockWaiter() override {}

    int asked = 0;  // calls of Supports

private:
    std::set<std::uint32_t> rates_;
    bool givesBuffers_;
};

// What the pass handed over, one entry per call; it outlives the writer,
// which the engine deletes when it closes it.
struct WriterLog {
    std::vector<std::vector<std::uint8_t>> calls;
    bool failWrites = false;
    bool exhausted = false;  // the writer takes nothing more
    int closeCount = 0;
};

// Everything the writer was given, in order.
inline std::vector<std::uint8_t> Written(const WriterLog& log) {
    std::vector<std::uint8_t> bytes;
    for (const auto& call : log.calls) bytes.insert(bytes.end(), call.begin(), call.end());
    return bytes;
}

class RecordingWriter : public SampleWriter {
public:
    explicit RecordingWriter(WriterLog& log) : log_(log) {}
    bool WriteSamples(const std::uint8_t* bytes, std::size_t length) override {
        log_.calls.emplace_back(bytes, bytes + length);
        return !log_.failWrites;
    }
    bool Exhausted() const override { return log_.exhausted; }
    void Close() override { ++log_.closeCount; }

private:
    WriterLog& log_;
};
