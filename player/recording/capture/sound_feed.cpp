#include "recording/capture/sound_feed.h"

#include <algorithm>

namespace {

// Unsigned 8-bit samples are silent at their middle value.
std::uint8_t SilentByte(const CaptureFormat& format) {
    return format.bitsPerSample == 8 ? 0x80 : 0;
}

}  // namespace

SoundFeed::SoundFeed(std::unique_ptr<WriterThread> writer, const CaptureFormat& format,
                     std::uint32_t blockSize, std::size_t heldBytes)
    : writer_(std::move(writer)), silence_(blockSize, SilentByte(format)), heldBytes_(heldBytes) {
    held_.reserve(heldBytes + blockSize);
}

bool SoundFeed::WriteSamples(const std::uint8_t* bytes, std::size_t length) {
    if (writer_->Failed()) return false;
    held_.insert(held_.end(), bytes, bytes + length);
    if (held_.size() > heldBytes_) ForwardHeld(held_.size() - heldBytes_);
    return true;
}

void SoundFeed::AddGap(std::uint64_t length) {
    if (length == 0) return;
    ForwardHeld(held_.size());  // it came before the gap
    Owe(length);
}

void SoundFeed::Trim(std::size_t length) {
    held_.resize(held_.size() - std::min(length, held_.size()));
}

void SoundFeed::Close() {
    ForwardHeld(held_.size());
    writer_->Finish();
}

void SoundFeed::ForwardHeld(std::size_t length) {
    Forward(held_.data(), length);
    held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(length));
}

void SoundFeed::Forward(const std::uint8_t* bytes, std::size_t length) {
    if (length > 0 && (!PayOwedSilence() || !writer_->Push(bytes, length))) Owe(length);
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
