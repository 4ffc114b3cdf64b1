#include "recording/recorder/recordings_list.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::wstring> Names(const std::vector<RecordingRow>& rows) {
    std::vector<std::wstring> names;
    for (const auto& row : rows) names.push_back(row.name);
    return names;
}

FolderEntry Entry(const wchar_t* name, std::uint64_t size, LocalTime created = {2024, 3, 5, 9, 7, 0}) {
    return {name, created, size};
}

TEST(RecordingsList, TextsHaveNoLeadingZerosAndWholeKilobytes) {
    EXPECT_EQ(RecordingDateText({2024, 3, 5, 9, 7, 59}), L"2024:3:5 9:7");
    EXPECT_EQ(RecordingSizeText(2047), L"1 Kb.");
    EXPECT_EQ(RecordingSizeText(0x100000800ull), L"2 Kb.");  // low 32 bits only
}

TEST(RecordingsList, RefreshKeepsOrderAddsNewFilesOnTopAndDropsVanishedOnes) {
    std::vector<RecordingRow> rows;
    RefreshRecordingRows(rows, {Entry(L".", 0), Entry(L"..", 0), Entry(L"a.wav", 1024),
                                Entry(L"b.mp3", 2048)});
    EXPECT_EQ(Names(rows), (std::vector<std::wstring>{L"b.mp3", L"a.wav"}));

    SortRecordingRows(rows, RecordingSortKey::Name, true);
    RefreshRecordingRows(rows, {Entry(L"b.mp3", 4096), Entry(L"a.wav", 1024), Entry(L"c.wav", 0),
                                Entry(L"Sub", 0)});
    EXPECT_EQ(Names(rows), (std::vector<std::wstring>{L"Sub", L"c.wav", L"a.wav", L"b.mp3"}));
    EXPECT_EQ(rows[3].size, L"4 Kb.");

    RefreshRecordingRows(rows, {Entry(L"c.wav", 0)});
    EXPECT_EQ(Names(rows), (std::vector<std::wstring>{L"c.wav"}));
}

TEST(RecordingsList, SortingTheSameWayTwiceReversesIt) {
    RecordingSortState state;
    EXPECT_EQ(state.CheckedKey(), -1);
    EXPECT_TRUE(state.NextIsAscending(RecordingSortKey::Size));
    state.Sorted(RecordingSortKey::Size, true);
    EXPECT_FALSE(state.NextIsAscending(RecordingSortKey::Size));
    state.Sorted(RecordingSortKey::Size, false);
    EXPECT_EQ(state.CheckedKey(), 1);
    EXPECT_TRUE(state.NextIsAscending(RecordingSortKey::Size));
    EXPECT_TRUE(state.NextIsAscending(RecordingSortKey::Name));
    state.Sorted(RecordingSortKey::Name, true);
    EXPECT_FALSE(state.NextIsAscending(RecordingSortKey::Name));
}

TEST(RecordingsList, SortsByNameOrdinallyBySizeNumberAndByTime) {
    std::vector<RecordingRow> rows;
    RefreshRecordingRows(rows, {Entry(L"b", 9 * 1024, {2024, 10, 2, 8, 0, 0}),
                                Entry(L"B", 10 * 1024, {2024, 9, 30, 23, 59, 0}),
                                Entry(L"a", 100 * 1024, {2023, 12, 31, 0, 0, 0})});
    SortRecordingRows(rows, RecordingSortKey::Name, true);
    EXPECT_EQ(Names(rows), (std::vector<std::wstring>{L"B", L"a", L"b"}));
    SortRecordingRows(rows, RecordingSortKey::Size, true);
    EXPECT_EQ(Names(rows), (std::vector<std::wstring>{L"b", L"B", L"a"}));
    SortRecordingRows(rows, RecordingSortKey::Date, false);
    EXPECT_EQ(Names(rows), (std::vector<std::wstring>{L"b", L"B", L"a"}));
    SortRecordingRows(rows, RecordingSortKey::Date, true);
    EXPECT_EQ(Names(rows), (std::vector<std::wstring>{L"a", L"B", L"b"}));
}

TEST(RecordingsList, NewFilesOnTopAndGrowingFilesEditTheListOtherChangesRebuildIt) {
    std::vector<RecordingRow> shown;
    RefreshRecordingRows(shown, {Entry(L"a.wav", 1024), Entry(L"b.wav", 2048)});
    std::vector<RecordingRow> rows = shown;
    RefreshRecordingRows(rows, {Entry(L"a.wav", 1024), Entry(L"b.wav", 9216, {2024, 3, 5, 9, 8, 0})});
    const auto growing = RecordingListEditsFor(shown, rows);
    ASSERT_TRUE(growing);
    EXPECT_EQ(growing->inserted, 0u);
    ASSERT_EQ(growing->cells.size(), 2u);
    EXPECT_EQ(growing->cells[0].row, 0);  // b.wav, listed last, went on top
    EXPECT_EQ(growing->cells[0].column, 0);
    EXPECT_EQ(growing->cells[0].text, L"2024:3:5 9:8");
    EXPECT_EQ(growing->cells[1].column, 2);
    EXPECT_EQ(growing->cells[1].text, L"9 Kb.");
    EXPECT_TRUE(RecordingListEditsFor(rows, rows)->cells.empty());

    // The copy of a stream starts a file per track while the last one grows.
    std::vector<RecordingRow> nextTrack = rows;
    RefreshRecordingRows(nextTrack, {Entry(L"a.wav", 1024), Entry(L"b.wav", 10240, {2024, 3, 5, 9, 8, 0}),
                                     Entry(L"c.mp3", 0), Entry(L"d.mp3", 0)});
    const auto track = RecordingListEditsFor(rows, nextTrack);
    ASSERT_TRUE(track);
    EXPECT_EQ(track->inserted, 2u);
    ASSERT_EQ(track->cells.size(), 1u);
    EXPECT_EQ(track->cells[0].row, 2);  // b.wav, below the two new rows
    EXPECT_EQ(track->cells[0].text, L"10 Kb.");

    std::vector<RecordingRow> renamed = rows;
    renamed[1].name = L"take.wav";
    EXPECT_FALSE(RecordingListEditsFor(rows, renamed));
    EXPECT_FALSE(RecordingListEditsFor(rows, {rows[0]}));
    std::vector<RecordingRow> sorted = rows;
    SortRecordingRows(sorted, RecordingSortKey::Name, true);
    EXPECT_FALSE(RecordingListEditsFor(rows, sorted));
}

}  // namespace
