#include "playback/radio/stream_frames.h"

#include "playback/radio/stream_title.h"

#include <utility>

namespace {

// Titles wait here only until their frame comes; a stream that names titles
// but sends no audio must not grow the queue.
constexpr std::size_t kMaxWaitingTitles = 16;

}  // namespace

void StreamFrameReader::Feed(std::string_view bytes) {
    demuxer_.Feed(
        bytes,
        [this](std::string_view audio) {
            splitter_.Add(audio);
            audioBytes_ += audio.size();
        },
        [this](std::string_view block) {
            // Servers repeat the title in every block; only a change counts.
            auto title = StreamTitleOf(block);
            if (!title || *title == lastTitle_) return;
            lastTitle_ = *title;
            if (titles_.size() == kMaxWaitingTitles) titles_.pop_front();
            titles_.push_back({audioBytes_, std::move(*title)});
        });
}

std::optional<StreamItem> StreamFrameReader::Next() {
    if (!heldFrame_) {
        const auto frame = splitter_.NextFrame();
        if (!frame) return std::nullopt;
        heldFrame_ = StreamItem{*frame, std::nullopt};
    }
    if (!titles_.empty() && titles_.front().audioOffset <= splitter_.FrameOffset()) {
        StreamItem change;
        change.title = std::move(titles_.front().title);
        titles_.pop_front();
        return change;
    }
    return std::exchange(heldFrame_, std::nullopt);
}
