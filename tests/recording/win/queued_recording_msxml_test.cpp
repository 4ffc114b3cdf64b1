// queued.xml through MSXML: what it saves loads back the same, a queue saved
// by the host build (pugixml) loads, and the copy the host tests load is
// what MSXML saves.

#include "common/ports/app_folder.h"
#include "recording/scheduler/queued_recording_file.h"
#include "tests/recording/queued_sample.h"
#include "tests/support/scratch_file.h"

#include <gtest/gtest.h>

namespace {

TEST(QueuedRecordingMsxml, SavedQueueLoadsBack) {
    const std::wstring path = ScratchFile(L"queued-msxml.xml");
    ASSERT_TRUE(SaveQueuedRecordings(path, QueuedSample()));
    ExpectQueuedSample(LoadQueuedRecordings(path, kBetweenSampleEnds));

    ASSERT_TRUE(SaveQueuedRecordings(path, {}));
    EXPECT_TRUE(LoadQueuedRecordings(path, kBetweenSampleEnds).empty());
}

TEST(QueuedRecordingMsxml, AQueueSavedByPugixmlLoads) {
    ExpectQueuedSample(LoadQueuedRecordings(
        GetAppFolder() + L"fixtures\\queued_by_pugixml.xml", kBetweenSampleEnds));
}

// The host tests load this copy as MSXML's queue file.
TEST(QueuedRecordingMsxml, TheCommittedMsxmlCopyIsWhatTheWriterSavesToday) {
    const std::wstring path = ScratchFile(L"queued-fixture.xml");
    ASSERT_TRUE(SaveQueuedRecordings(path, QueuedSample()));
    EXPECT_EQ(ReadBytes(path), ReadBytes(GetAppFolder() + L"fixtures\\queued_by_msxml.xml"))
        << "the writer changed; save QueuedSample() again into fixtures/queued_by_msxml.xml";
}

}  // namespace
