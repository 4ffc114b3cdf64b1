// The stream reader hands out the station's frames exactly as sent, each
// whole, and places every title change at a frame boundary: the frame its
// metadata block fell into stays with the title before.

#include "playback/radio/stream_frames.h"

#include "playback/radio/mp3_frame.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// MPEG 1 Layer III, 128 kbit/s, 44100 Hz: 417 bytes, 418 with padding.
std::string Frame(int number) {
    const bool padded = number % 3 == 0;
    std::string frame = {'\xFF', '\xFB', padded ? '\x92' : '\x90', '\x00'};
    // Bodies stay below 0x80, so nothing in them looks like a header.
    for (std::size_t at = frame.size(); at < (padded ? 418u : 417u); ++at)
        frame += static_cast<char>((number * 7 + at) & 0x7F);
    return frame;
}

std::string MetadataBlock(const std::string& title) {
    std::string text = title.empty() ? "" : "StreamTitle='" + title + "';";
    text.resize((text.size() + 15) / 16 * 16, '\0');
    return static_cast<char>(text.size() / 16) + text;
}

struct Station {
    std::vector<std::string> frames;
    std::string audio;  // the frames back to back
    std::string sent;   // with the metadata woven in
};

// Frames 0..count-1, a metadata block every `interval` audio bytes naming
// the title that `titleAt` gives for that place in the audio.
Station MakeStation(int count, std::size_t interval,
                    const std::function<std::string(std::size_t)>& titleAt) {
    Station station;
    for (int number = 0; number < count; ++number) {
        station.frames.push_back(Frame(number));
        station.audio += station.frames.back();
    }
    if (interval == 0) station.sent = station.audio;
    for (std::size_t at = 0; interval != 0 && at < station.audio.size(); at += interval) {
        station.sent += station.audio.substr(at, interval);
        if (at + interval <= station.audio.size())
            station.sent += MetadataBlock(titleAt(at + interval));
    }
    return station;
}

struct Heard {
    std::vector<std::string> frames;
    std::vector<std::wstring> titleOfFrame;  // the title in force at each frame
    std::vector<std::wstring> titles;
};

Heard Read(std::string_view sent, std::size_t interval, std::size_t readSize) {
    Heard heard;
    StreamFrameReader reader(interval, kMp3Frames);
    std::wstring title;
    for (std::size_t at = 0; at < sent.size(); at += readSize) {
        reader.Feed(sent.substr(at, readSize));
        while (auto item = reader.Next()) {
            if (item->title) {
                title = *item->title;
                heard.titles.push_back(title);
                continue;
            }
            const auto header = ReadMp3FrameHeader(item->frame);
            EXPECT_TRUE(header && header->length == item->frame.size());
            heard.frames.emplace_back(item->frame);
            heard.titleOfFrame.push_back(title);
        }
    }
    return heard;
}

constexpr std::size_t kInterval = 1000;  // so blocks fall inside frames

TEST(StreamFrameReader, GivesEveryFrameWholeAndInOrderWhateverTheReads) {
    const Station station = MakeStation(40, kInterval, [](std::size_t) { return "A - B"; });
    for (const std::size_t readSize : {1u, 7u, 999u, 4096u}) {
        const Heard heard = Read(station.sent, kInterval, readSize);
        // The last frame waits for the header after it, as the splitter does.
        ASSERT_EQ(heard.frames.size(), station.frames.size() - 1) << "reads of " << readSize;
        for (std::size_t index = 0; index < heard.frames.size(); ++index)
            EXPECT_EQ(heard.frames[index], station.frames[index]) << "frame " << index;
        EXPECT_EQ(heard.titles, std::vector<std::wstring>{L"A - B"});
    }
}

TEST(StreamFrameReader, ATitleChangeInsideAFrameTakesEffectAtTheNextFrame) {
    // The title turns to "Second" at audio byte 5000, inside frame 11
    // (4587..5004), and to "Third" at 9000, inside frame 21.
    const auto titleAt = [](std::size_t at) {
        return at < 5000 ? "First" : at < 9000 ? "Second" : "Third";
    };
    const Station station = MakeStation(40, kInterval, titleAt);
    const Heard heard = Read(station.sent, kInterval, 333);
    EXPECT_EQ(heard.titles, (std::vector<std::wstring>{L"First", L"Second", L"Third"}));
    std::size_t frameStart = 0;
    for (std::size_t index = 0; index < heard.frames.size(); ++index) {
        // A block counts where it came: the first block, at byte 1000, says
        // "First", the one at 5000 "Second", the one at 9000 "Third".
        const std::wstring expected = frameStart < kInterval ? L""
                                      : frameStart < 5000    ? L"First"
                                      : frameStart < 9000    ? L"Second"
                                                             : L"Third";
        EXPECT_EQ(heard.titleOfFrame[index], expected) << "frame at byte " << frameStart;
        frameStart += heard.frames[index].size();
    }
}

TEST(StreamFrameReader, AStreamJoinedMidFrameStartsAtTheNextWholeFrame) {
    const Station station = MakeStation(10, 0, nullptr);
    const Heard heard = Read(std::string_view(station.sent).substr(200), 0, 64);
    ASSERT_FALSE(heard.frames.empty());
    EXPECT_EQ(heard.frames.front(), station.frames[1]);
    EXPECT_EQ(heard.frames.size(), station.frames.size() - 2);
}

}  // namespace
