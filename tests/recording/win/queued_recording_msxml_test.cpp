// queued.xml through MSXML: what it saves loads back the same, and a queue
// saved by the host build (pugixml) loads.

#include "app_folder.h"
#include "queued_recording_file.h"
#include "queued_sample.h"
#include "scratch_file.h"

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

}  // namespace
