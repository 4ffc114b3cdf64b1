// The copy of a station's stream, a file per track: what each file holds and
// how it is named as titles change, the stream drops, the disk fills up and
// the copy stops.

#include "recording/copy/id3v2_tag.h"
#include "recording/copy/stream_copy.h"
#include "recording/copy/track_recorder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kFolder[] = L"C:\\My Recordings\\";

// Files in memory; the disk takes `room` bytes in all.
class MemoryFiles : public TrackFiles {
public:
    bool Exists(const std::wstring& path) override { return files.contains(path); }
    bool Create(const std::wstring& path) override {
        if (files.contains(path)) return false;
        files[path];
        current = path;
        return true;
    }
    bool Append(std::string_view bytes) override {
        if (current.empty()) ADD_FAILURE() << "append with no file open";
        if (bytes.size() > room) return false;
        room -= bytes.size();
        files[current] += bytes;
        return true;
    }
    void Close() override { current.clear(); }
    bool Rename(const std::wstring& from, const std::wstring& to) override {
        if (!current.empty()) ADD_FAILURE() << "renamed while open";
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    bool Remove(const std::wstring& path) override {
        if (!current.empty()) ADD_FAILURE() << "removed while open";
        return files.erase(path) == 1;
    }

    std::map<std::wstring, std::string> files;
    std::wstring current;
    std::size_t room = std::size_t(-1);
};

std::string Tagged(const std::wstring& title, const std::string& frames) {
    return Id3v2Tag(TrackTagsOf(title, L"Velmora Live")) + frames;
}

class TrackRecorderTest : public ::testing::Test {
protected:
    TrackRecorder& Copy(std::optional<std::wstring> fixedStem = std::nullopt) {
        copy_.emplace(files_, clock_, kFolder, std::move(fixedStem));
        copy_->SetStation(L"Velmora Live");
        return *copy_;
    }
    std::wstring Path(const std::wstring& name) { return kFolder + name; }

    MemoryFiles files_;
    SettableClock clock_{LocalTime{2026, 12, 9, 6, 30, 0}};
    std::optional<TrackRecorder> copy_;
};

TEST_F(TrackRecorderTest, AFilePerTitleWithTheCutEndsNamedIncomplete) {
    TrackRecorder& copy = Copy();
    copy.OnTitle(L"Harbour Tunes - High Water");  // in force when the copy joined
    copy.OnFrame("a1");
    copy.OnFrame("a2");
    copy.OnTitle(L"Lounge Trio - Last Call");
    copy.OnFrame("b1");
    copy.OnTitle(L"Pulse - Eight Bits");
    copy.OnFrame("c1");
    copy.Finish();
    const std::map<std::wstring, std::string> expected = {
        {Path(L"Harbour Tunes - High Water (incomplete).mp3"),
         Tagged(L"Harbour Tunes - High Water", "a1a2")},
        {Path(L"Lounge Trio - Last Call.mp3"), Tagged(L"Lounge Trio - Last Call", "b1")},
        {Path(L"Pulse - Eight Bits (incomplete).mp3"), Tagged(L"Pulse - Eight Bits", "c1")},
    };
    EXPECT_EQ(files_.files, expected);
    EXPECT_FALSE(copy.Failed());
}

TEST_F(TrackRecorderTest, ADroppedStreamEndsTheFileAndTheReconnectStartsAnother) {
    files_.files[Path(L"A - B (incomplete).mp3")] = "older";
    TrackRecorder& copy = Copy();
    copy.OnFrame("x");  // before the first title: a stream without titles so far
    copy.OnTitle(L"A - B");
    copy.OnFrame("y1");
    copy.OnStreamEnded();
    copy.OnFrame("y2");  // reconnected
    copy.OnStreamEnded();
    EXPECT_EQ(files_.files[Path(L"Velmora Live 2026-12-09 06.30 (incomplete).mp3")],
              Id3v2Tag(TrackTagsOf(L"", L"Velmora Live")) + "x");
    // Its start was heard, its end was not.
    EXPECT_EQ(files_.files[Path(L"A - B (incomplete) (2).mp3")], Tagged(L"A - B", "y1"));
    EXPECT_EQ(files_.files[Path(L"A - B (incomplete) (3).mp3")], Tagged(L"A - B", "y2"));
    EXPECT_EQ(files_.files.size(), 4u);
    EXPECT_TRUE(files_.current.empty());
}

TEST_F(TrackRecorderTest, AFullDiskStopsTheCopyWithWholeFramesOnly) {
    TrackRecorder& copy = Copy();
    copy.OnTitle(L"A - B");
    files_.room = Tagged(L"A - B", "").size() + 6;
    copy.OnFrame("123");
    copy.OnFrame("456");
    copy.OnFrame("789");  // does not fit
    copy.OnTitle(L"C - D");
    copy.OnFrame("abc");
    EXPECT_TRUE(copy.Failed());
    ASSERT_EQ(files_.files.size(), 1u);
    EXPECT_EQ(files_.files.begin()->first, Path(L"A - B (incomplete).mp3"));
    EXPECT_EQ(files_.files.begin()->second, Tagged(L"A - B", "123456"));
    EXPECT_TRUE(files_.current.empty());
}

// A track that begins as the disk fills up gets no file, not an empty one
// nor one of a tag alone; a scheduled file gone full before its first
// frame goes too.
TEST_F(TrackRecorderTest, AFullDiskLeavesNoFileWithoutAFrame) {
    for (const std::size_t room : {std::size_t{0}, Tagged(L"C - D", "").size()}) {
        files_.files.clear();
        TrackRecorder& copy = Copy();
        copy.OnTitle(L"A - B");
        files_.room = Tagged(L"A - B", "12").size() + room;
        copy.OnFrame("12");
        copy.OnTitle(L"C - D");
        copy.OnFrame("34");
        EXPECT_TRUE(copy.Failed());
        const std::map<std::wstring, std::string> expected = {
            {Path(L"A - B (incomplete).mp3"), Tagged(L"A - B", "12")}};
        EXPECT_EQ(files_.files, expected) << "room for the next file: " << room;
    }
    files_.files.clear();
    files_.room = 0;
    Copy(Path(L"news")).OnFrame("1");
    EXPECT_TRUE(files_.files.empty());
}

// AAC has no tag of its own that players agree on: its files are the bare
// ADTS frames, as the station sent them.
TEST_F(TrackRecorderTest, AnAacStationGivesUntaggedAacFilesAFilePerTitle) {
    TrackRecorder& copy = Copy();
    copy.OnAudio(StreamAudio::Aac);
    copy.OnTitle(L"Lounge Trio - Last Call");
    copy.OnFrame("a1");
    copy.OnTitle(L"Pulse - Eight Bits");
    copy.OnFrame("b1");
    copy.OnFrame("b2");
    copy.OnTitle(L"Lounge Trio - Last Call");
    copy.OnFrame("a2");
    copy.Finish();
    const std::map<std::wstring, std::string> expected = {
        {Path(L"Lounge Trio - Last Call (incomplete).aac"), "a1"},
        {Path(L"Pulse - Eight Bits.aac"), "b1b2"},
        {Path(L"Lounge Trio - Last Call (incomplete) (2).aac"), "a2"},
    };
    EXPECT_EQ(files_.files, expected);
}

TEST_F(TrackRecorderTest, AScheduledCopyKeepsEverythingInItsOneFile) {
    TrackRecorder& copy = Copy(Path(L"news"));
    copy.OnTitle(L"A - B");
    copy.OnFrame("1");
    copy.OnTitle(L"C - D");
    copy.OnFrame("2");
    copy.OnStreamEnded();
    copy.OnFrame("3");
    copy.Finish();
    EXPECT_EQ(files_.files, (std::map<std::wstring, std::string>{
                                {Path(L"news.mp3"), Tagged(L"A - B", "123")}}));
}

TEST_F(TrackRecorderTest, AScheduledCopyOfAnAacStationIsAnAacFileOfThatKindOnly) {
    TrackRecorder& copy = Copy(Path(L"news"));
    copy.OnAudio(StreamAudio::Aac);
    copy.OnTitle(L"A - B");
    copy.OnFrame("1");
    copy.OnStreamEnded();
    copy.OnAudio(StreamAudio::Mp3);  // a reconnect that reached the station's MP3 address
    copy.OnFrame("mp3");
    copy.OnStreamEnded();
    copy.OnAudio(StreamAudio::Aac);
    copy.OnFrame("2");
    copy.Finish();
    EXPECT_EQ(files_.files, (std::map<std::wstring, std::string>{{Path(L"news.aac"), "12"}}));
    EXPECT_FALSE(copy.Failed());
}

TEST_F(TrackRecorderTest, AFileThatCannotBeMadeFailsTheCopy) {
    files_.files[Path(L"news.mp3")] = "someone else's";
    TrackRecorder& copy = Copy(Path(L"news"));
    copy.OnFrame("1");
    copy.OnFrame("2");
    EXPECT_TRUE(copy.Failed());
    EXPECT_EQ(files_.files[Path(L"news.mp3")], "someone else's");
}

// The stream copy as the recorder runs it: from the tap, through the writer
// thread, into the files.
TEST_F(TrackRecorderTest, TheTapsStreamIsWrittenOnTheWriterThread) {
    StreamTap tap;
    StreamCopy copy(tap, files_, clock_);
    const auto feed = tap.BeginFeed();
    tap.Title(feed, L"A - B");
    tap.Frame(feed, "before");
    ASSERT_TRUE(copy.Start(kFolder, std::nullopt, L"Velmora Live", nullptr));
    tap.Frame(feed, "1");
    tap.Title(feed, L"C - D");
    tap.Frame(feed, "2");
    tap.Break(feed);
    tap.Frame(feed, "3");
    tap.Break(feed);
    tap.Audio(feed, StreamAudio::Aac);
    tap.Frame(feed, "4");
    copy.Stop();
    tap.Frame(feed, "after");
    EXPECT_EQ(files_.files, (std::map<std::wstring, std::string>{
                                {Path(L"A - B (incomplete).mp3"), Tagged(L"A - B", "1")},
                                {Path(L"C - D (incomplete).mp3"), Tagged(L"C - D", "2")},
                                {Path(L"C - D (incomplete) (2).mp3"), Tagged(L"C - D", "3")},
                                {Path(L"C - D (incomplete).aac"), "4"}}));
}

TEST_F(TrackRecorderTest, AFullDiskOnTheWriterThreadIsReportedOnce) {
    StreamTap tap;
    StreamCopy copy(tap, files_, clock_);
    std::atomic<int> reports = 0;
    files_.room = 100;
    const auto feed = tap.BeginFeed();
    ASSERT_TRUE(copy.Start(kFolder, std::nullopt, L"Velmora Live", [&] { ++reports; }));
    for (int frame = 0; frame < 50; ++frame) tap.Frame(feed, "0123456789");
    copy.Stop();
    EXPECT_EQ(reports, 1);
    ASSERT_EQ(files_.files.size(), 1u);
    const std::size_t tag = Id3v2Tag(TrackTagsOf(L"", L"Velmora Live")).size();
    EXPECT_EQ(files_.files.begin()->second.size(), tag + (100 - tag) / 10 * 10) << "whole frames only";
}

}  // namespace
