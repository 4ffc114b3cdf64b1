#pragma once
// A queue that each XML adapter saves and the other must load back the same:
// texts outside ASCII and with characters XML escapes, an empty address, both
// formats. fixtures/ holds the sample as saved by each adapter.

#include "recording/scheduler/queued_recording.h"

#include <gtest/gtest.h>

#include <vector>

inline std::vector<QueuedRecording> QueuedSample() {
    QueuedRecording first;
    first.station = L"Radio Z\u00FCrich \u20AC & <Friends>";
    first.banner = L"";
    first.homepage = L"http://zuerich.example/?a=1&b=2";
    first.streamlink = L"http://zuerich.example/live\"hi\"";
    first.name = L"\u6771\u4EAC Night.wav";
    first.start = {2026, 12, 24, 7, 5, 0};
    first.end = {2026, 12, 24, 8, 0, 0};
    first.format = RecordingFormat::Wav;

    QueuedRecording second;
    second.station = L"Jazz FM";
    second.banner = L"http://jazz.example/banner.php?bid=12";
    second.homepage = L"http://jazz.example/";
    second.streamlink = L"http://jazz.example/stream";
    second.name = L"Recording name.mp3";
    second.start = {2027, 1, 1, 23, 30, 0};
    second.end = {2027, 1, 2, 0, 15, 0};
    return {first, second};
}

// `loaded` holds the sample, read at a time between the two entries' ends.
inline void ExpectQueuedSample(const std::vector<QueuedRecording>& loaded) {
    const auto sample = QueuedSample();
    ASSERT_EQ(loaded.size(), sample.size());
    for (std::size_t i = 0; i < sample.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(loaded[i].station, sample[i].station);
        EXPECT_EQ(loaded[i].banner, sample[i].banner);
        EXPECT_EQ(loaded[i].homepage, sample[i].homepage);
        EXPECT_EQ(loaded[i].streamlink, sample[i].streamlink);
        EXPECT_EQ(loaded[i].name, sample[i].name);
        EXPECT_EQ(loaded[i].start, sample[i].start);
        EXPECT_EQ(loaded[i].end, sample[i].end);
        EXPECT_EQ(loaded[i].format, sample[i].format);
    }
    EXPECT_EQ(loaded[0].status, RecordingStatus::Done);
    EXPECT_EQ(loaded[1].status, RecordingStatus::Waiting);
}

// A moment between the sample's two ends.
inline constexpr LocalTime kBetweenSampleEnds{2026, 12, 31, 12, 0, 0};
