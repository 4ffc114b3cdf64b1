// The stream reader hands out the station's frames exactly as sent, each
// whole, and places every title change at a frame boundary: the frame its
// metadata block fell into stays with the title before. MP3 and AAC (ADTS)
// streams alike: the copy of a station cuts its files where these frames end.

#include "playback/radio/stream_frames.h"

#include "playback/radio/adts_frame.h"
#include "playback/radio/mp3_frame.h"
#include "tests/playback/radio/audio_frames.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Bodies stay below 0x80, so nothing in them looks like a header.
std::string WithBody(std::string header, std::size_t length, int number) {
    for (std::size_t at = header.size(); at < length; ++at)
        header += static_cast<char>((number * 7 + at) & 0x7F);
    return header;
}

// MPEG 1 Layer III, 128 kbit/s, 44100 Hz: 417 bytes, 418 with padding.
std::string Mp3Frame(int number) {
    const bool padded = number % 3 == 0;
    return WithBody({'\xFF', '\xFB', padded ? '\x92' : '\x90', '\x00'}, padded ? 418 : 417, number);
}

// AAC-LC at 44.1 kHz stereo, 371 to 419 bytes as the encoder's bits fall.
std::string AdtsFrame(int number) {
    const unsigned length = 371 + number % 5 * 12;
    return WithBody(AdtsFrames(1, length).substr(0, kAdtsHeaderBytes), length, number);
}

struct Format {
    const char* name;
    const FrameSyntax* syntax;
    std::string (*frame)(int number);
    std::optional<std::size_t> (*length)(std::string_view frame);
};

void PrintTo(const Format& format, std::ostream* out) { *out << format.name; }

const Format kFormats[] = {{"MP3", &kMp3Frames, Mp3Frame, Mp3FrameLength},
                           {"AAC", &kAdtsFrames, AdtsFrame, AdtsFrameLength}};

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
Station MakeStation(const Format& format, int count, std::size_t interval,
                    const std::function<std::string(std::size_t)>& titleAt) {
    Station station;
    for (int number = 0; number < count; ++number) {
        station.frames.push_back(format.frame(number));
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

Heard Read(const Format& format, std::string_view sent, std::size_t interval,
           std::size_t readSize) {
    Heard heard;
    StreamFrameReader reader(interval, *format.syntax);
    std::wstring title;
    for (std::size_t at = 0; at < sent.size(); at += readSize) {
        reader.Feed(sent.substr(at, readSize));
        while (auto item = reader.Next()) {
            if (item->title) {
                title = *item->title;
                heard.titles.push_back(title);
                continue;
            }
            EXPECT_EQ(format.length(item->frame), item->frame.size()) << "a frame cut or joined";
            heard.frames.emplace_back(item->frame);
            heard.titleOfFrame.push_back(title);
        }
    }
    return heard;
}

constexpr std::size_t kInterval = 1000;  // so blocks fall inside frames

class StreamFrameReaderTest : public ::testing::TestWithParam<Format> {};

TEST_P(StreamFrameReaderTest, GivesEveryFrameWholeAndInOrderWhateverTheReads) {
    const Station station = MakeStation(GetParam(), 40, kInterval, [](std::size_t) { return "A - B"; });
    for (const std::size_t readSize : {1u, 7u, 999u, 4096u}) {
        const Heard heard = Read(GetParam(), station.sent, kInterval, readSize);
        // The last frame waits for the header after it, as the splitter does.
        ASSERT_EQ(heard.frames.size(), station.frames.size() - 1) << "reads of " << readSize;
        for (std::size_t index = 0; index < heard.frames.size(); ++index)
            EXPECT_EQ(heard.frames[index], station.frames[index]) << "frame " << index;
        EXPECT_EQ(heard.titles, std::vector<std::wstring>{L"A - B"});
    }
}

TEST_P(StreamFrameReaderTest, ATitleChangeInsideAFrameTakesEffectAtTheNextFrame) {
    // The title turns to "Second" at audio byte 5000 and to "Third" at 9000;
    // neither is a frame's start in either format (MP3: inside frames 11 and
    // 21; AAC: inside frames 12 and 22).
    const auto titleAt = [](std::size_t at) {
        return at < 5000 ? "First" : at < 9000 ? "Second" : "Third";
    };
    const Station station = MakeStation(GetParam(), 40, kInterval, titleAt);
    const Heard heard = Read(GetParam(), station.sent, kInterval, 333);
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

TEST_P(StreamFrameReaderTest, AStreamJoinedMidFrameStartsAtTheNextWholeFrame) {
    const Station station = MakeStation(GetParam(), 10, 0, nullptr);
    const Heard heard = Read(GetParam(), std::string_view(station.sent).substr(200), 0, 64);
    ASSERT_FALSE(heard.frames.empty());
    EXPECT_EQ(heard.frames.front(), station.frames[1]);
    EXPECT_EQ(heard.frames.size(), station.frames.size() - 2);
}

INSTANTIATE_TEST_SUITE_P(Formats, StreamFrameReaderTest, ::testing::ValuesIn(kFormats),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
