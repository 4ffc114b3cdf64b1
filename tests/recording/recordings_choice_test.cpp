#include "recording/recorder/recordings_choice.h"

#include <gtest/gtest.h>

namespace {

FolderEntry Entry(const wchar_t* name) { return {name, {2024, 3, 5, 9, 7, 0}, 1024}; }

// The user picked b.wav; a recording then starts, its file lands on top, and
// the once-a-second refreshes while it grows move every row down by one.
TEST(RecordingsChoice, FollowsTheChosenFileWhenARecordingPushesRowsDown) {
    std::vector<RecordingRow> rows;
    RefreshRecordingRows(rows, {Entry(L"a.wav"), Entry(L"b.wav"), Entry(L"c.wav")});
    SortRecordingRows(rows, RecordingSortKey::Name, true);
    const RecordingsChoice choice{{L"b.wav"}, L"b.wav", L"b.wav"};
    ASSERT_EQ(FindChosenRows(choice, rows).mark, 1);

    RefreshRecordingRows(rows, {Entry(L"a.wav"), Entry(L"b.wav"), Entry(L"c.wav"),
                                Entry(L"Recording001.wav")});
    const RecordingsChoiceRows found = FindChosenRows(choice, rows);
    ASSERT_EQ(found.selected, std::vector<int>{2});
    EXPECT_EQ(rows[2].name, L"b.wav");
    EXPECT_EQ(found.focused, 2);
    EXPECT_EQ(found.mark, 2);
}

TEST(RecordingsChoice, AFileGoneFromTheFolderIsNoLongerChosenAndNothingElseIs) {
    std::vector<RecordingRow> rows;
    RefreshRecordingRows(rows, {Entry(L"a.wav"), Entry(L"b.wav")});
    const RecordingsChoice choice{{L"a.wav", L"b.wav"}, L"b.wav", L"b.wav"};

    RefreshRecordingRows(rows, {Entry(L"a.wav"), Entry(L"new.wav")});
    const RecordingsChoiceRows found = FindChosenRows(choice, rows);
    ASSERT_EQ(found.selected.size(), 1u);
    EXPECT_EQ(rows[found.selected[0]].name, L"a.wav");
    EXPECT_EQ(found.focused, -1);
    EXPECT_EQ(found.mark, -1);

    EXPECT_TRUE(FindChosenRows({}, rows).selected.empty());
    EXPECT_EQ(FindChosenRows({}, rows).mark, -1);
}

}  // namespace
