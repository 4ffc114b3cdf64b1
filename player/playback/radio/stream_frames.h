#pragma once
// The audio frames of a radio stream and its title changes, in the order a
// listener meets them. The ICY demuxer takes the metadata out, the frame
// splitter cuts the audio into frames, and a new title takes effect at the
// first frame that starts where its metadata block came or later: a frame the
// block interrupted still belongs to the title before. Playback and the copy
// of the stream both read the station through this, so the copy holds
// exactly the frames that were played.

#include "playback/radio/icy_demuxer.h"
#include "playback/radio/frame_splitter.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

// A frame, or a title change when `title` is set.
struct StreamItem {
    std::string_view frame;  // valid until the reader is fed again
    std::optional<std::wstring> title;
};

class StreamFrameReader {
public:
    // `metaInterval` as the server's `icy-metaint` gave it; 0 for none.
    // `frames` says what the stream's frames look like.
    StreamFrameReader(std::size_t metaInterval, const FrameSyntax& frames)
        : demuxer_(metaInterval), splitter_(frames) {}

    void Feed(std::string_view bytes);
    // The next frame or title change, or nothing until more bytes come.
    std::optional<StreamItem> Next();

private:
    struct TitleMark {
        std::uint64_t audioOffset;
        std::wstring title;
    };

    IcyDemuxer demuxer_;
    FrameSplitter splitter_;
    std::uint64_t audioBytes_ = 0;
    std::wstring lastTitle_;        // the latest title the stream named
    std::deque<TitleMark> titles_;  // titles whose frames have not come yet
    std::optional<StreamItem> heldFrame_;  // found while a title had to go first
};
