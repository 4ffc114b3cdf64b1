// The tap between the radio engine and the recorder's copy: a sink hears
// one station's stretch at a time, and nothing from a session that has been
// let go while it winds down.

#include "host/stream_tap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class HeardSink : public StreamCopySink {
public:
    void OnAudio(StreamAudio audio) override {
        heard.push_back(audio == StreamAudio::Aac ? L"AAC" : L"MP3");
    }
    void OnTitle(const std::wstring& title) override { heard.push_back(L"title " + title); }
    void OnFrame(std::string_view frame) override {
        heard.push_back(L"frame " + std::wstring(frame.begin(), frame.end()));
    }
    void OnStreamEnded() override { heard.push_back(L"end"); }
    std::vector<std::wstring> heard;
};

TEST(StreamTap, ASinkJoinsWithTheTitleInForceAndHearsOneFeedAtATime) {
    StreamTap tap;
    HeardSink sink;
    EXPECT_FALSE(tap.IsLive());
    const auto first = tap.BeginFeed();
    EXPECT_FALSE(tap.IsLive()) << "live only once the engine plays frames";
    tap.Title(first, L"A - B");
    tap.Frame(first, "1");
    EXPECT_TRUE(tap.IsLive());
    tap.Attach(sink);
    tap.Frame(first, "2");
    tap.Break(first);  // dropped
    tap.Break(first);  // and the reconnect failed once more: one end is enough
    tap.Frame(first, "3");
    tap.EndFeed(first);  // the station changes
    const auto second = tap.BeginFeed();
    tap.Frame(first, "late");  // the old session winding down
    tap.Title(first, L"late");
    tap.Frame(second, "4");
    tap.EndFeed(second);
    EXPECT_FALSE(tap.IsLive());
    tap.Detach();
    tap.Frame(second, "5");
    const std::vector<std::wstring> expected = {L"title A - B", L"frame 2", L"end", L"frame 3",
                                                L"end", L"frame 4", L"end"};
    EXPECT_EQ(sink.heard, expected);
}

TEST(StreamTap, ASinkLearnsWhatTheFramesAreBeforeItsTitleAndFrames) {
    StreamTap tap;
    HeardSink sink;
    const auto aac = tap.BeginFeed();
    tap.Audio(aac, StreamAudio::Aac);
    tap.Title(aac, L"A - B");
    tap.Frame(aac, "1");
    tap.Attach(sink);  // joins mid-stream
    tap.Break(aac);
    tap.Audio(aac, StreamAudio::Mp3);  // the reconnect found the station's other format
    tap.Frame(aac, "2");
    const auto next = tap.BeginFeed();
    tap.Audio(aac, StreamAudio::Aac);  // the old session winding down
    tap.Frame(next, "3");
    tap.EndFeed(next);
    tap.Detach();
    tap.Attach(sink);  // nothing plays: nothing to tell
    tap.Detach();
    const std::vector<std::wstring> expected = {L"AAC", L"title A - B", L"end",   L"MP3",
                                                L"frame 2", L"end", L"frame 3", L"end"};
    EXPECT_EQ(sink.heard, expected);
}

}  // namespace
