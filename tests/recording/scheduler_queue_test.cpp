#include "common/helpers/text_case.h"
#include "recording/scheduler/scheduler_messages.h"
#include "recording/scheduler/scheduler_queue.h"
#include "recording/scheduler/scheduler_recording_name.h"
#include "recording/scheduler/scheduler_station.h"
#include "tests/support/scratch_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

// A recordings folder that holds no files.
const std::wstring kEmptyFolder =
    (ScratchFolder() / "no-recordings" / "").wstring();

LocalTime At(unsigned hour, unsigned minute, unsigned second = 0) {
    return {2026, 12, 24, hour, minute, second};
}

StationInfo Station(const wchar_t* name) {
    SchedulerStation station;
    station.SetStation(name, L"http://home.example/", L"http://banner.example/",
                       L"http://stream.example/live");
    return station.Current();
}

RecordingChoice Choice(const wchar_t* name, LocalTime start, LocalTime end,
                       RecordingFormat format = RecordingFormat::Mp3) {
    return {name, format, start, end};
}

class SchedulerQueueTest : public testing::Test {
protected:
    AddResult Add(const wchar_t* name, LocalTime start, LocalTime end,
                  RecordingFormat format = RecordingFormat::Mp3) {
        return queue.Add(Station(L"Jazz FM"), Choice(name, start, end, format), kEmptyFolder);
    }

    std::vector<SchedulerRequest> TickAt(LocalTime now) {
        clock.Set(now);
        return queue.Tick();
    }

    SettableClock clock{At(8, 0)};
    SchedulerQueue queue{clock};
};

TEST_F(SchedulerQueueTest, OnlyIntervalsThatShareTimeCollide) {
    ASSERT_EQ(Add(L"News", At(10, 0), At(11, 0)).outcome, AddOutcome::Added);
    ASSERT_EQ(Add(L"Touching", At(11, 0), At(12, 0)).outcome, AddOutcome::Added);

    // Rows now: Touching 11-12, News 10-11.
    const AddResult inside = Add(L"Inside", At(10, 30), At(10, 45));
    EXPECT_EQ(inside.outcome, AddOutcome::Overlap);
    EXPECT_EQ(inside.collidingRow, 1u);
    EXPECT_STREQ(AddWarning(inside.outcome), L"Selected interval interfere with queued intervals.");

    EXPECT_EQ(Add(L"Start inside", At(9, 0), At(10, 30)).collidingRow, 1u);
    EXPECT_EQ(Add(L"Contains both", At(9, 0), At(12, 0)).collidingRow, 0u);
    EXPECT_EQ(Add(L"Same interval", At(10, 0), At(11, 0)).collidingRow, 1u);
    EXPECT_EQ(Add(L"Touching before", At(9, 0), At(10, 0)).outcome, AddOutcome::Added);
    EXPECT_EQ(queue.Entries().size(), 3u);
}

TEST_F(SchedulerQueueTest, ChecksComeInOrderWithTheirWarnings) {
    const RecordingChoice clash = Choice(L"x/y", At(10, 0), At(9, 0));

    AddResult result = queue.Add(SchedulerStation().Current(), clash, kEmptyFolder);
    EXPECT_STREQ(AddWarning(result.outcome), L"Please select radio station.");
    result = queue.Add(StationInfo{}, clash, kEmptyFolder);
    EXPECT_EQ(result.outcome, AddOutcome::NoStation);

    result = queue.Add(Station(L"Jazz FM"), clash, kEmptyFolder);
    EXPECT_STREQ(AddWarning(result.outcome), L"Please select start and end time properly.");
    EXPECT_EQ(Add(L"Zero length", At(10, 0, 10), At(10, 0, 50)).outcome,
              AddOutcome::TimesOutOfOrder);

    result = Add(L"x/y", At(10, 0), At(11, 0));
    EXPECT_STREQ(AddWarning(result.outcome), L"Please enter a valid recording name.");

    ASSERT_EQ(Add(L"show", At(10, 0), At(11, 0)).outcome, AddOutcome::Added);
    result = Add(L"Show", At(12, 0), At(13, 0));
    EXPECT_STREQ(AddWarning(result.outcome), L"Selected filename already exist.");
    EXPECT_EQ(queue.Entries().size(), 1u);
}

TEST_F(SchedulerQueueTest, NamesTakeTheFormatsExtension) {
    ASSERT_EQ(Add(L"Recording name", At(10, 0), At(11, 0), RecordingFormat::Wav).outcome,
              AddOutcome::Added);
    ASSERT_EQ(Add(L"", At(12, 0), At(13, 0)).outcome, AddOutcome::Added);
    EXPECT_EQ(queue.Entries()[0].name, L".mp3");
    EXPECT_EQ(queue.Entries()[1].name, L"Recording name.wav");
    EXPECT_EQ(queue.Entries()[1].format, RecordingFormat::Wav);
    EXPECT_TRUE(EqualsIgnoringCase(L"Show.MP3", L"show.mp3"));

    // The same typed name in the other format is another file.
    EXPECT_EQ(Add(L"Recording name", At(14, 0), At(15, 0)).outcome, AddOutcome::Added);
    EXPECT_EQ(Add(L"RECORDING NAME", At(16, 0), At(17, 0), RecordingFormat::Wav).outcome,
              AddOutcome::NameTaken);
}

TEST_F(SchedulerQueueTest, AQueuedNameTakenInAnyCaseIsRefused) {
    const std::wstring path = ScratchFile(L"queued-show.xml");
    WriteBytes(path,
               "<root><queued><station>Jazz FM</station><banner/><homepage/><streamlink/>"
               "<name>Show.MP3</name><start>10:00 24-12-2026</start><end>11:00 24-12-2026</end>"
               "<format>MP3</format></queued></root>");
    queue.Load(path);
    ASSERT_EQ(queue.Entries().size(), 1u);
    EXPECT_EQ(Add(L"show", At(12, 0), At(13, 0)).outcome, AddOutcome::NameTaken);
    EXPECT_EQ(Add(L"show", At(12, 0), At(13, 0), RecordingFormat::Wav).outcome,
              AddOutcome::Added);
}

TEST_F(SchedulerQueueTest, NewEntriesGoOnTopWithTheStationsAddresses) {
    clock.Set(At(12, 0));
    ASSERT_EQ(Add(L"First", At(9, 0), At(10, 0)).outcome, AddOutcome::Added);  // in the past
    ASSERT_EQ(Add(L"Second", At(13, 0), At(14, 0)).outcome, AddOutcome::Added);

    const QueuedRecording& top = queue.Entries()[0];
    EXPECT_EQ(top.name, L"Second.mp3");
    EXPECT_EQ(top.station, L"Jazz FM");
    EXPECT_EQ(top.homepage, L"http://home.example/");
    EXPECT_EQ(top.banner, L"http://banner.example/");
    EXPECT_EQ(top.streamlink, L"http://stream.example/live");
    EXPECT_EQ(top.status, RecordingStatus::Waiting);
    EXPECT_STREQ(StatusText(top.status), L"Waiting");
    EXPECT_EQ(top.start, At(13, 0));
    EXPECT_EQ(top.end, At(14, 0));
    EXPECT_NE(top.id, queue.Entries()[1].id);
}

TEST_F(SchedulerQueueTest, NamesOfFilesInTheRecordingsFolderAreTaken) {
    const auto folder = ScratchFolder() / "scheduled-recordings";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Evening.wav") << "RIFF";
    const std::wstring folderText = folder.wstring() + L"/";

    EXPECT_EQ(queue.Add(Station(L"Jazz FM"),
                        Choice(L"Evening", At(18, 0), At(19, 0), RecordingFormat::Wav), folderText)
                  .outcome,
              AddOutcome::NameTaken);
    EXPECT_EQ(queue.Add(Station(L"Jazz FM"), Choice(L"Evening", At(18, 0), At(19, 0)), folderText)
                  .outcome,
              AddOutcome::Added);
    std::filesystem::remove_all(folder);
}

TEST_F(SchedulerQueueTest, TickStartsInsideTheIntervalAndStopsAfterIt) {
    ASSERT_EQ(Add(L"News", At(10, 0), At(11, 0)).outcome, AddOutcome::Added);
    const unsigned id = queue.Entries()[0].id;

    EXPECT_TRUE(TickAt(At(9, 59, 55)).empty());
    auto requests = TickAt(At(10, 0, 3));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].action, ScheduledAction::Start);
    EXPECT_EQ(requests[0].entry.id, id);
    EXPECT_EQ(requests[0].entry.name, L"News.mp3");
    EXPECT_EQ(queue.Entries()[0].status, RecordingStatus::Recording);
    EXPECT_STREQ(StatusText(queue.Entries()[0].status), L"Recording");

    EXPECT_TRUE(TickAt(At(10, 30)).empty());
    EXPECT_TRUE(TickAt(At(10, 59, 59)).empty());
    for (unsigned second : {0u, 5u}) {
        requests = TickAt(At(11, 0, second));
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].action, ScheduledAction::Stop);
        EXPECT_EQ(requests[0].entry.id, id);
    }

    queue.MarkRunningDone();
    EXPECT_EQ(queue.Entries()[0].status, RecordingStatus::Done);
    EXPECT_STREQ(StatusText(queue.Entries()[0].status), L"Done");
    EXPECT_TRUE(TickAt(At(11, 0, 15)).empty());
}

TEST_F(SchedulerQueueTest, BackToBackRecordingsHandOverInOneTick) {
    ASSERT_EQ(Add(L"First", At(10, 0), At(11, 0)).outcome, AddOutcome::Added);
    ASSERT_EQ(Add(L"Second", At(11, 0), At(12, 0)).outcome, AddOutcome::Added);
    ASSERT_EQ(TickAt(At(10, 0, 0)).size(), 1u);

    // Whatever second the tick falls on, the first stops before the second
    // starts, so its stop never reaches the second recording.
    for (unsigned second : {0u, 3u}) {
        SCOPED_TRACE(second);
        SchedulerQueue handOver = queue;
        clock.Set(At(11, 0, second));
        const auto requests = handOver.Tick();
        ASSERT_EQ(requests.size(), 2u);
        EXPECT_EQ(requests[0].action, ScheduledAction::Stop);
        EXPECT_EQ(requests[0].entry.name, L"First.mp3");
        EXPECT_EQ(requests[1].action, ScheduledAction::Start);
        EXPECT_EQ(requests[1].entry.name, L"Second.mp3");

        // The recorder's report of the first recording's end ends the first
        // entry, not the second one that is on top and recording now.
        handOver.MarkRunningDone();
        EXPECT_EQ(handOver.Entries()[0].status, RecordingStatus::Recording);
        EXPECT_EQ(handOver.Entries()[1].status, RecordingStatus::Done);
        clock.Set(At(11, 0, second + 5));
        EXPECT_TRUE(handOver.Tick().empty());
    }
}

TEST_F(SchedulerQueueTest, AStartInThePastBeginsAtTheNextTick) {
    clock.Set(At(10, 0, 30));
    ASSERT_EQ(Add(L"Late", At(9, 59), At(11, 0)).outcome, AddOutcome::Added);
    const auto requests = TickAt(At(10, 0, 35));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].action, ScheduledAction::Start);
}

TEST_F(SchedulerQueueTest, AnEntryMissedWhileThePlayerWasOffStaysWaiting) {
    ASSERT_EQ(Add(L"Missed", At(9, 0), At(10, 0)).outcome, AddOutcome::Added);
    EXPECT_TRUE(TickAt(At(10, 0, 5)).empty());
    EXPECT_EQ(queue.Entries()[0].status, RecordingStatus::Waiting);
}

TEST_F(SchedulerQueueTest, AFailedStartEndsTheEntryWithoutStopRequests) {
    ASSERT_EQ(Add(L"Fails", At(10, 0), At(11, 0)).outcome, AddOutcome::Added);
    ASSERT_EQ(Add(L"Works", At(11, 0), At(12, 0)).outcome, AddOutcome::Added);
    const unsigned failing = queue.Entries()[1].id;
    ASSERT_EQ(TickAt(At(10, 0)).size(), 1u);

    queue.MarkStartFailed(failing);
    EXPECT_EQ(queue.Entries()[1].status, RecordingStatus::Done);
    EXPECT_TRUE(TickAt(At(10, 59, 55)).empty());

    // The next recording runs and stops as usual; the failed entry stays out
    // of it, also when the recorder reports that recording's end.
    auto requests = TickAt(At(11, 0, 0));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].action, ScheduledAction::Start);
    queue.MarkStartFailed(failing);
    requests = TickAt(At(12, 0, 5));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].action, ScheduledAction::Stop);
    EXPECT_EQ(requests[0].entry.name, L"Works.mp3");
    queue.MarkRunningDone();
    EXPECT_EQ(queue.Entries()[0].status, RecordingStatus::Done);
    EXPECT_TRUE(TickAt(At(12, 0, 10)).empty());
}

TEST_F(SchedulerQueueTest, MarkRunningDoneEndsTheTopRecordingEntry) {
    ASSERT_EQ(Add(L"Lower", At(10, 0), At(11, 0)).outcome, AddOutcome::Added);
    ASSERT_EQ(Add(L"Upper", At(11, 0), At(12, 0)).outcome, AddOutcome::Added);
    queue.MarkRunningDone();  // nothing is recording yet
    EXPECT_EQ(queue.Entries()[0].status, RecordingStatus::Waiting);
    EXPECT_EQ(queue.Entries()[1].status, RecordingStatus::Waiting);

    TickAt(At(10, 0));
    queue.MarkRunningDone();
    EXPECT_EQ(queue.Entries()[0].status, RecordingStatus::Waiting);
    EXPECT_EQ(queue.Entries()[1].status, RecordingStatus::Done);
}

TEST_F(SchedulerQueueTest, RemovingARecordingEntryAsksToStopItFirst) {
    ASSERT_EQ(Add(L"Running", At(10, 0), At(11, 0)).outcome, AddOutcome::Added);
    ASSERT_EQ(Add(L"Later", At(12, 0), At(13, 0)).outcome, AddOutcome::Added);
    ASSERT_EQ(Add(L"Kept", At(14, 0), At(15, 0)).outcome, AddOutcome::Added);
    TickAt(At(10, 5));
    const unsigned kept = queue.Entries()[0].id;
    const unsigned later = queue.Entries()[1].id;
    const unsigned running = queue.Entries()[2].id;

    const auto requests = queue.Remove({running, later});
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].action, ScheduledAction::Stop);
    EXPECT_EQ(requests[0].entry.name, L"Running.mp3");
    ASSERT_EQ(queue.Entries().size(), 1u);
    EXPECT_EQ(queue.Entries()[0].id, kept);

    EXPECT_TRUE(queue.Remove({}).empty());
    EXPECT_TRUE(queue.Remove({running}).empty());
    EXPECT_EQ(queue.Entries().size(), 1u);
    EXPECT_STREQ(DeleteQuestion(1), L"Are you sure you want to delete file?");
    EXPECT_STREQ(DeleteQuestion(2), L"Are you sure you want to delete files?");
}

TEST(SchedulerStation, AnEmptyNameResetsTheStation) {
    SchedulerStation station;
    EXPECT_EQ(station.Current().name, L"Select radio station");

    station.SetStation(L"Jazz FM", L"http://home/", L"http://banner/", L"http://stream/");
    EXPECT_EQ(station.Current().name, L"Jazz FM");
    EXPECT_EQ(station.Current().homepage, L"http://home/");
    EXPECT_EQ(station.Current().banner, L"http://banner/");
    EXPECT_EQ(station.Current().streamlink, L"http://stream/");

    station.SetStation(L"", L"http://ignored/", L"", L"");
    EXPECT_EQ(station.Current().name, L"Select radio station");
    EXPECT_EQ(station.Current().homepage, L"");
    EXPECT_EQ(station.Current().streamlink, L"");
}

}  // namespace
