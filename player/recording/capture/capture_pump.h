#pragma once
// One draining pass over the capture ring buffer: every complete block that
// the device has filled since the last pass goes to the writer, in ring
// order; a partly filled block waits for the next pass, except in the last
// pass of a recording, which takes it too.

#include "recording/capture/capture_buffer.h"
#include "recording/capture/sample_writer.h"

#include <cstdint>
#include <functional>

enum class PumpResult { NothingToDo, Drained, Failed };

struct CaptureRing {
    CaptureBuffer& buffer;
    std::uint32_t blockSize;
    std::uint32_t& nextOffset;  // where the next unread block starts
    std::uint32_t frameBytes = 1;  // a partial block is taken in whole frames
};

enum class PumpExtent { WholeBlocks, Everything };

// The level callback gets the meter level of the pass's first region.
PumpResult PumpCapture(const CaptureRing& ring, SampleWriter& writer,
                       const std::function<void(int)>& showLevel,
                       PumpExtent extent = PumpExtent::WholeBlocks);
