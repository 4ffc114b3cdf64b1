#include "recording/recorder/recorder_session.h"
#include "tests/recording/fake_capture.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The window as the session sees it: a folder of names, writers that log
// into one shared log, and a log of everything the user would see.
class FakeRecorderWindow : public RecorderActions {
public:
    std::wstring RecordingsFolder() override { return L"C:\\My Recordings\\"; }
    bool FolderExists(const std::wstring&) override { return folderExists; }
    bool CreateFolder(const std::wstring&) override { return folderCreatable; }
    bool FileExists(const std::wstring& path) override { return files.contains(path); }
    void ChooseFolderAndWatch() override { events.push_back(L"choose folder"); }
    std::unique_ptr<SampleWriter> OpenWriter(const std::wstring& path,
                                             RecordingFileFormat) override {
        opened.push_back(path);
        if (writerFails) return nullptr;
        return std::make_unique<RecordingWriter>(writerLog);
    }
    void DiscardFile(const std::wstring& path) override { events.push_back(L"discard " + path); }
    void ShowError(std::wstring_view text) override { events.push_back(L"error " + std::wstring(text)); }
    void ShowWarning(std::wstring_view text) override {
        events.push_back(L"warning " + std::wstring(text));
    }
    void StopPlayback() override { events.push_back(L"stop playback"); }
    void RecordingStarted(bool scheduled) override {
        events.push_back(scheduled ? L"started scheduled" : L"started");
    }
    void RecordingStopped(bool scheduled, std::optional<CaptureEnd> ended) override {
        std::wstring event = scheduled ? L"stopped scheduled" : L"stopped";
        if (ended) event += *ended == CaptureEnd::DeviceStalled ? L", stalled" : L", exhausted";
        events.push_back(event);
    }

    bool folderExists = true;
    bool folderCreatable = true;
    bool writerFails = false;
    std::set<std::wstring> files;
    std::vector<std::wstring> opened;
    std::vector<std::wstring> events;
    WriterLog writerLog;
};

class RecorderSessionTest : public ::testing::Test {
protected:
    RecorderSessionTest() {
        engine.UseDevice(std::make_unique<OfferingDevice>(std::set<std::uint32_t>{44100}));
        engine.BuildCaptureBuffer(CaptureFormat{});
    }

    FakeRecorderWindow window;
    CaptureEngine engine{[](int) {}};
    RecorderSession session{window, engine};
};

using Events = std::vector<std::wstring>;

TEST_F(RecorderSessionTest, ARecordingByHandTakesTheNextFreeNameAndStopsInOrder) {
    window.files = {L"C:\\My Recordings\\Recording001.mp3"};
    session.SetFileFormat(RecordingFileFormat::Wav);
    ASSERT_TRUE(session.StartRecording());
    EXPECT_EQ(session.OutputPath(), L"C:\\My Recordings\\Recording002.wav");
    // Already recording: nothing new is opened.
    EXPECT_FALSE(session.StartRecording());
    EXPECT_EQ(window.opened.size(), 1u);

    session.StopAll();
    EXPECT_FALSE(session.IsRecording());
    EXPECT_EQ(window.writerLog.closeCount, 1);
    EXPECT_EQ(window.events, (Events{L"started", L"stop playback", L"stopped"}));
    // Nothing to stop but the playback.
    session.StopAll();
    EXPECT_EQ(window.events.back(), L"stop playback");
}

TEST_F(RecorderSessionTest, AnExistingFileOrAFailedWriterStopsTheStartAndOnlyTheUserHearsOfIt) {
    window.files = {L"C:\\My Recordings\\news.mp3"};
    EXPECT_FALSE(session.StartScheduledRecording(L"news.mp3"));
    EXPECT_TRUE(window.opened.empty());
    EXPECT_TRUE(window.events.empty());

    window.writerFails = true;
    EXPECT_FALSE(session.StartScheduledRecording(L"later.mp3"));
    EXPECT_TRUE(window.events.empty());
    EXPECT_FALSE(session.StartRecording());
    EXPECT_EQ(window.events, (Events{L"error Can't create wave file."}));

    window.writerFails = false;
    window.files.insert(L"C:\\My Recordings\\Recording001.mp3");
    window.files.insert(L"C:\\My Recordings\\Recording002.wav");
    window.files.insert(L"C:\\My Recordings\\Recording003.wav");
    session.SetFileFormat(RecordingFileFormat::Wav);
    // The next free name is free in both formats, so this cannot clash; a
    // failed scheduled start left nothing of its name behind.
    ASSERT_TRUE(session.StartRecording());
    EXPECT_EQ(session.OutputPath(), L"C:\\My Recordings\\Recording004.wav");
    EXPECT_EQ(window.events.back(), L"started");
}

TEST_F(RecorderSessionTest, WithoutAFolderTheUserChoosesOneAndNothingRecords) {
    window.folderExists = false;
    window.folderCreatable = false;
    EXPECT_FALSE(session.StartRecording());
    EXPECT_EQ(window.events,
              (Events{L"warning Unable to create directory.You should select folder first",
                      L"choose folder"}));
    EXPECT_TRUE(window.opened.empty());
}

TEST_F(RecorderSessionTest, WithoutAFolderAScheduledStartFailsWithoutAskingAnyone) {
    window.folderExists = false;
    window.folderCreatable = false;
    EXPECT_FALSE(session.StartScheduledRecording(L"news.wav"));
    EXPECT_TRUE(window.events.empty());
    EXPECT_TRUE(window.opened.empty());
}

// A sound card that refuses the recording's buffer: the opened file goes
// again, nothing blinks, and only a person at the screen gets a message.
TEST_F(RecorderSessionTest, ACaptureThatCannotStartLeavesNoFileAndNoBlink) {
    engine.UseDevice(std::make_unique<OfferingDevice>(std::set<std::uint32_t>{44100}, false));
    engine.BuildCaptureBuffer(CaptureFormat{});
    session.SetFileFormat(RecordingFileFormat::Wav);

    EXPECT_FALSE(session.StartRecording());
    EXPECT_FALSE(session.IsRecording());
    EXPECT_EQ(window.writerLog.closeCount, 1);
    EXPECT_EQ(window.events,
              (Events{L"discard C:\\My Recordings\\Recording001.wav",
                      L"error Can't start recording: the sound card would not start capturing."}));

    window.events.clear();
    EXPECT_FALSE(session.StartScheduledRecording(L"news"));
    EXPECT_EQ(window.events, (Events{L"discard C:\\My Recordings\\news.wav"}));
}

TEST_F(RecorderSessionTest, AScheduledRecordingKeepsItsNameAndItsFormatOutlivesIt) {
    // The scheduler switched the set-up to WAV while the combo shows MP3.
    session.SetFileFormat(RecordingFileFormat::Wav);
    ASSERT_TRUE(session.StartScheduledRecording(L"news"));
    EXPECT_EQ(session.OutputPath(), L"C:\\My Recordings\\news.wav");
    session.StopAll();
    EXPECT_EQ(window.events, (Events{L"started scheduled", L"stop playback", L"stopped scheduled"}));

    // A start by hand afterwards is not scheduled and still writes WAV.
    ASSERT_TRUE(session.StartRecording());
    EXPECT_EQ(session.OutputPath(), L"C:\\My Recordings\\Recording001.wav");
    session.StopAll();
    EXPECT_EQ(window.events.back(), L"stopped");
}

}  // namespace

namespace {

// A recording the engine ended leaves its reason for the window's note; only
// the one a person started also gets a box, and only once.
TEST_F(RecorderSessionTest, ARecordingThatEndsByItselfBoxesOnlyForAPerson) {
    ASSERT_TRUE(session.StartScheduledRecording(L"concert"));
    session.EndedByItself(CaptureEnd::DeviceStalled);
    EXPECT_EQ(window.events,
              (Events{L"started scheduled", L"stop playback", L"stopped scheduled, stalled"}));

    window.events.clear();
    ASSERT_TRUE(session.StartRecording());
    session.EndedByItself(CaptureEnd::WriterExhausted);
    session.EndedByItself(CaptureEnd::WriterExhausted);  // a late second word: already stopped
    EXPECT_EQ(window.events, (Events{L"started", L"stop playback", L"stopped, exhausted",
                                     std::wstring(L"error ") + kWriterExhaustedMessage}));
    EXPECT_FALSE(session.IsRecording());
}

}  // namespace
