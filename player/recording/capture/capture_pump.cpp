#include "recording/capture/capture_pump.h"

#include "recording/capture/capture_level.h"

namespace {

bool WriteRegion(const CaptureRing& ring, SampleWriter& writer, const std::uint8_t* bytes,
                 std::uint32_t length) {
    const bool written = writer.WriteSamples(bytes, length);
    ring.nextOffset = (ring.nextOffset + length) % ring.buffer.Size();
    return written;
}

}  // namespace

PumpResult PumpCapture(const CaptureRing& ring, SampleWriter& writer,
                       const std::function<void(int)>& showLevel) {
    const auto readPosition = ring.buffer.ReadPosition();
    if (!readPosition) return PumpResult::Failed;
    std::int64_t available = static_cast<std::int64_t>(*readPosition) - ring.nextOffset;
    if (available < 0) available += ring.buffer.Size();
    if (available < ring.blockSize) return PumpResult::NothingToDo;

    const auto wholeBlocks = static_cast<std::uint32_t>(available - available % ring.blockSize);
    const auto regions = ring.buffer.Lock(ring.nextOffset, wholeBlocks);
    if (!regions) return PumpResult::Failed;

    bool written = WriteRegion(ring, writer, regions->first, regions->firstLength);
    if (auto level = CaptureLevel(regions->first, regions->firstLength); level && showLevel) {
        showLevel(*level);
    }
    if (regions->second && regions->secondLength > 0) {
        written = WriteRegion(ring, writer, regions->second, regions->secondLength) && written;
    }
    ring.buffer.Unlock(*regions);
    return written ? PumpResult::Drained : PumpResult::Failed;
}
