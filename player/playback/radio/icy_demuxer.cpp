#include "playback/radio/icy_demuxer.h"

#include <algorithm>

IcyDemuxer::IcyDemuxer(std::size_t metaInterval) : interval_(metaInterval), left_(metaInterval) {}

void IcyDemuxer::Feed(std::string_view bytes, const std::function<void(std::string_view)>& onAudio,
                      const std::function<void(std::string_view)>& onMetadata) {
    if (interval_ == 0) {
        if (!bytes.empty()) onAudio(bytes);
        return;
    }
    while (!bytes.empty()) {
        switch (part_) {
            case Part::Audio: {
                const std::size_t run = std::min(left_, bytes.size());
                onAudio(bytes.substr(0, run));
                bytes.remove_prefix(run);
                left_ -= run;
                if (left_ == 0) part_ = Part::Length;
                break;
            }
            case Part::Length:
                // One byte, so a block is never longer than 255 * 16 = 4080 bytes.
                left_ = static_cast<unsigned char>(bytes.front()) * std::size_t{16};
                bytes.remove_prefix(1);
                metadata_.clear();
                part_ = left_ == 0 ? Part::Audio : Part::Metadata;
                if (left_ == 0) left_ = interval_;
                break;
            case Part::Metadata: {
                const std::size_t run = std::min(left_, bytes.size());
                metadata_.append(bytes.substr(0, run));
                bytes.remove_prefix(run);
                left_ -= run;
                if (left_ == 0) {
                    onMetadata(metadata_);
                    part_ = Part::Audio;
                    left_ = interval_;
                }
                break;
            }
        }
    }
}
