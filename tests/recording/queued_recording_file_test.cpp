#include "recording/scheduler/queued_recording_file.h"

#include "common/ports/file_replace.h"
#include "recording/scheduler/scheduler_time.h"
#include "tests/recording/queued_sample.h"
#include "tests/support/scratch_file.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <string>

namespace {

const LocalTime kChristmasEve{2026, 12, 24, 7, 5, 0};

std::wstring Fixture(const char* name) {
    return (std::filesystem::path(FIXTURE_FOLDER) / name).wstring();
}

std::vector<QueuedRecording> LoadText(const std::string& xml, const LocalTime& now) {
    const std::wstring path = ScratchFile(L"queued-load.xml");
    WriteBytes(path, xml);
    return LoadQueuedRecordings(path, now);
}

std::string Queued(const char* name, const char* end = "08:00 24-12-2026",
                   const char* format = "MP3") {
    return std::string("<queued><station>S</station><banner/><homepage/><streamlink/><name>") +
           name + "</name><start>07:00 24-12-2026</start><end>" + end + "</end><format>" +
           format + "</format></queued>";
}

TEST(ScheduleTime, FormatsHourMinuteDayMonthYear) {
    EXPECT_EQ(FormatScheduleTime(kChristmasEve), L"07:05 24-12-2026");
    EXPECT_EQ(FormatScheduleTime({2027, 1, 2, 23, 59, 0}), L"23:59 02-01-2027");
    EXPECT_EQ(ParseScheduleTime(L"07:05 24-12-2026"), kChristmasEve);
    EXPECT_EQ(ParseScheduleTime(L"7:5 24-12-2026"), kChristmasEve);
    EXPECT_EQ(ParseScheduleTime(L"00:00 29-02-2028"), (LocalTime{2028, 2, 29, 0, 0, 0}));
}

TEST(ScheduleTime, TextsThatAreNoRealTimeGiveTimeZero) {
    for (const wchar_t* text :
         {L"", L":", L"07:05", L"07:05 24", L"07:05 24-12", L"07:05 24-12-", L"07:", L"07",
          L"-", L" --", L"ab:cd ef-gh-ijkl", L"007:05 24-12-2026", L"07:05 24-12-1899",
          L"07:05 24-12-99999999999999", L"24:00 24-12-2026", L"07:60 24-12-2026",
          L"07:05 00-12-2026", L"07:05 32-12-2026", L"07:05 24-13-2026", L"07:05 29-02-2027",
          L"07:05 31-04-2026", L"-07:05 24-12-2026"}) {
        EXPECT_EQ(ParseScheduleTime(text), LocalTime{}) << text;
    }
}

TEST(QueuedRecordingFile, SavedQueueLoadsBackWithStatusFromTheClock) {
    const std::wstring path = ScratchFile(L"queued-round-trip.xml");
    auto queue = QueuedSample();
    queue[0].status = RecordingStatus::Done;  // the status is not stored
    queue[1].status = RecordingStatus::Waiting;
    ASSERT_TRUE(SaveQueuedRecordings(path, queue));

    ExpectQueuedSample(LoadQueuedRecordings(path, kBetweenSampleEnds));

    const auto early = LoadQueuedRecordings(path, {2026, 1, 1, 0, 0, 0});
    ASSERT_EQ(early.size(), 2u);
    EXPECT_EQ(early[0].status, RecordingStatus::Waiting);
    EXPECT_EQ(early[1].status, RecordingStatus::Waiting);

    const auto late = LoadQueuedRecordings(path, {2027, 6, 1, 0, 0, 0});
    ASSERT_EQ(late.size(), 2u);
    EXPECT_EQ(late[0].status, RecordingStatus::Done);
    EXPECT_EQ(late[1].status, RecordingStatus::Done);
}

TEST(QueuedRecordingFile, EachEntryHoldsItsEightChildrenInOrder) {
    const std::wstring path = ScratchFile(L"queued-layout.xml");
    ASSERT_TRUE(SaveQueuedRecordings(path, QueuedSample()));

    pugi::xml_document saved;
    ASSERT_TRUE(saved.load_file(path.c_str()));
    const pugi::xml_node root = saved.document_element();
    EXPECT_STREQ(root.name(), "root");
    std::vector<std::string> entries;
    for (const auto& queued : root.children()) {
        std::string children;
        for (const auto& child : queued.children()) children += std::string(child.name()) + " ";
        entries.push_back(std::string(queued.name()) + ": " + children);
    }
    const std::string expected =
        "queued: station banner homepage streamlink name start end format ";
    EXPECT_EQ(entries, (std::vector<std::string>{expected, expected}));
    const pugi::xml_node first = root.first_child();
    EXPECT_STREQ(first.child_value("start"), "07:05 24-12-2026");
    EXPECT_STREQ(first.child_value("format"), "WAV");
    EXPECT_STREQ(first.next_sibling().child_value("format"), "MP3");

    ASSERT_TRUE(SaveQueuedRecordings(path, {}));
    ASSERT_TRUE(saved.load_file(path.c_str()));
    EXPECT_STREQ(saved.document_element().name(), "root");
    EXPECT_TRUE(saved.document_element().children().begin() ==
                saved.document_element().children().end());
}

TEST(QueuedRecordingFile, ASaveThatCannotFinishKeepsTheOldQueue) {
    const std::wstring path = ScratchFile(L"queued-kept.xml");
    ASSERT_TRUE(SaveQueuedRecordings(path, QueuedSample()));
    const std::string saved = ReadBytes(path);
    EXPECT_FALSE(std::filesystem::exists(ReplacementName(path))) << "the new version took its place";

    // A folder where the new version would be written: the save cannot write it.
    std::filesystem::create_directory(ReplacementName(path));
    EXPECT_FALSE(SaveQueuedRecordings(path, {}));
    EXPECT_EQ(ReadBytes(path), saved);
    ExpectQueuedSample(LoadQueuedRecordings(path, kBetweenSampleEnds));
}

TEST(QueuedRecordingFile, FormatIsMp3OnlyForExactlyMp3) {
    const auto queue = LoadText("<root>" + Queued("a.mp3", "08:00 24-12-2026", "MP3") +
                                    Queued("b.mp3", "09:00 24-12-2026", "mp3") +
                                    Queued("c.wav", "10:00 24-12-2026", "") + "</root>",
                                kChristmasEve);
    ASSERT_EQ(queue.size(), 3u);
    EXPECT_EQ(queue[0].format, RecordingFormat::Mp3);
    EXPECT_EQ(queue[1].format, RecordingFormat::Wav);
    EXPECT_EQ(queue[2].format, RecordingFormat::Wav);
}

TEST(QueuedRecordingFile, LoadingStopsAtTheFirstIncompleteEntry) {
    const std::string incomplete =
        "<queued><station>S</station><banner/><homepage/><streamlink/><name>x.mp3</name>"
        "<start>07:00 24-12-2026</start><format>MP3</format></queued>";
    const auto queue =
        LoadText("<root>" + Queued("a.mp3") + incomplete + Queued("c.mp3") + "</root>",
                 kChristmasEve);
    ASSERT_EQ(queue.size(), 1u);
    EXPECT_EQ(queue[0].name, L"a.mp3");
}

TEST(QueuedRecordingFile, NamesThatLeaveTheRecordingsFolderAreSkipped) {
    const auto queue = LoadText("<root>" + Queued("..\\..\\Windows\\win.ini") +
                                    Queued("C:evil.mp3") + Queued("CON.wav") +
                                    Queued("sub/dir.mp3") + Queued("Rock &amp; Roll.mp3") +
                                    "</root>",
                                kChristmasEve);
    ASSERT_EQ(queue.size(), 1u);
    EXPECT_EQ(queue[0].name, L"Rock & Roll.mp3");
}

TEST(QueuedRecordingFile, UnreadableTimesCountAsLongPast) {
    const auto queue = LoadText("<root>" + Queued("a.mp3", "08:0") + "</root>", kChristmasEve);
    ASSERT_EQ(queue.size(), 1u);
    EXPECT_EQ(queue[0].end, LocalTime{});
    EXPECT_EQ(queue[0].status, RecordingStatus::Done);

    const std::wstring path = ScratchFile(L"queued-time-zero.xml");
    ASSERT_TRUE(SaveQueuedRecordings(path, queue));
    const auto reloaded = LoadQueuedRecordings(path, kChristmasEve);
    ASSERT_EQ(reloaded.size(), 1u);
    EXPECT_EQ(reloaded[0].end, LocalTime{});
    EXPECT_EQ(reloaded[0].start, queue[0].start);
}

TEST(QueuedRecordingFile, MissingOrBrokenFilesGiveAnEmptyQueue) {
    EXPECT_TRUE(LoadQueuedRecordings(ScratchFile(L"queued-never-written.xml"), kChristmasEve)
                    .empty());
    EXPECT_TRUE(LoadText("<root>" + Queued("a.mp3"), kChristmasEve).empty());
    EXPECT_TRUE(LoadText("<other>" + Queued("a.mp3") + "</other>", kChristmasEve).empty());
}

TEST(QueuedRecordingFile, AQueueSavedByMsxmlLoads) {
    ExpectQueuedSample(LoadQueuedRecordings(Fixture("queued_by_msxml.xml"), kBetweenSampleEnds));
}

// The Windows tests load this copy as the host build's queue file.
TEST(QueuedRecordingFile, TheCommittedPugixmlCopyIsWhatTheWriterSavesToday) {
    const std::wstring path = ScratchFile(L"queued-fixture.xml");
    ASSERT_TRUE(SaveQueuedRecordings(path, QueuedSample()));
    EXPECT_EQ(ReadBytes(path), ReadBytes(Fixture("queued_by_pugixml.xml")))
        << "the writer changed; save QueuedSample() again into fixtures/queued_by_pugixml.xml";
}

}  // namespace
