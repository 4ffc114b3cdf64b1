#include "recording/capture/capture_pump.h"

#include "recording/capture/capture_level.h"

#include <algorithm>

namespace {

bool WriteRegion(const CaptureRing& ring, SampleWriter& writer, const std::uint8_t* bytes,
                 std::uint32_t length) {
    const bool written = writer.WriteSamples(bytes, length);
    ring.nextOffset = (ring.nextOffset + length) % ring.buffer.Size();
    return written;
}

}  // namespace

PumpResult PumpCapture(const CaptureRing& ring, SampleWriter& writer,
                       const std::function<void(int)>& showLevel, PumpExtent extent) {
    const auto readPosition = ring.buffer.ReadPosition();
    if (!readPosition) return PumpResult::Failed;
    std::int64_t available = static_cast<std::int64_t>(*readPosition) - ring.nextOffset;
    if (available < 0) available += ring.buffer.Size();
    const std::uint32_t unit =
        extent == PumpExtent::Everything ? std::max<std::uint32_t>(ring.frameBytes, 1) : ring.blockSize;
    const auto length = static_cast<std::uint32_t>(available - available % unit);
    if (length == 0) return PumpResult::NothingToDo;

    const auto regions = ring.buffer.Lock(ring.nextOffset, length);
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
