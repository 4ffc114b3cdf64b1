#include "recording/capture/sound_feed.h"

#include <algorithm>

namespace {

// Unsigned 8-bit samples are silent at their middle value.
std::uint8_t SilentByte(const CaptureFormat& format) {
    return format.bitsPerSample == 8 ? 0x80 : 0;
}

}  // namespace

SoundFeed::SoundFeed(std::unique_ptr<WriterThread> writer, const CaptureFormat& format,
                     std::uint32_t blockSize)
    : writer_(std::move(writer)), silence_(blockSize, SilentByte(format)) {}

bool SoundFeed::WriteSamples(const std::uint8_t* bytes, std::size_t length) {
    if (writer_->Failed()) return false;
    if (!PayOwedSilence() || !writer_->Push(bytes, length)) Owe(length);
    return true;
}

void SoundFeed::AddGap(std::uint64_t length) {
    if (length > 0) Owe(length);
}

void SoundFeed::Owe(std::uint64_t length) {
    if (owed_ == 0) ++lost_.gaps;
    owed_ += length;
    lost_.bytes += length;
}

// True once nothing is owed any more.
bool SoundFeed::PayOwedSilence() {
    while (owed_ > 0) {
        const auto piece =
            static_cast<std::size_t>(std::min<std::uint64_t>(owed_, silence_.size()));
        if (!writer_->Push(silence_.data(), piece)) return false;
        owed_ -= piece;
    }
    return true;
}
