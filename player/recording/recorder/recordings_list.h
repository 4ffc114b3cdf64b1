#pragma once
// The rows of the recordings list and how they follow the folder: a refresh
// keeps the rows' order, updates the rows whose files are still there, puts
// new files at the top and drops the rows of vanished files; a sort orders
// them by name, size or date, and asking for the same order twice reverses it.

#include "common/ports/clock.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct FolderEntry {
    std::wstring name;
    LocalTime created;
    std::uint64_t size = 0;
};

struct RecordingRow {
    std::wstring date;  // "year:month:day hour:minute" without leading zeros
    std::wstring name;
    std::wstring size;  // "123 Kb."
};

std::wstring RecordingDateText(const LocalTime& time);
std::wstring RecordingSizeText(std::uint64_t bytes);

void RefreshRecordingRows(std::vector<RecordingRow>& rows, const std::vector<FolderEntry>& entries);

// A cell of the list whose text must change: column 0 the date, 2 the size.
struct RecordingCellChange {
    int row = 0;
    int column = 0;
    std::wstring text;
};

// What turns a list showing one set of rows into one showing another: the
// first `inserted` rows are new and go in on top, then the cells to rewrite.
struct RecordingListEdits {
    std::size_t inserted = 0;
    std::vector<RecordingCellChange> cells;  // rows counted after the insertion
};

// The edits that make a list showing `shown` show `rows`, when `rows` holds
// the names of `shown` in the same order below some new ones (a growing
// file, a new file); none (nullopt) when a row went or the order changed,
// and the list must be built anew.
std::optional<RecordingListEdits> RecordingListEditsFor(const std::vector<RecordingRow>& shown,
                                                        const std::vector<RecordingRow>& rows);

enum class RecordingSortKey { Name = 0, Size = 1, Date = 2 };

// The sort menu's state: the key used last, and (tens digit) whether that
// sort was descending. The first sort by any key is ascending.
class RecordingSortState {
public:
    // Ascending, unless the last sort was this key ascending.
    bool NextIsAscending(RecordingSortKey key) const { return state_ != int(key); }
    void Sorted(RecordingSortKey key, bool ascending) { state_ = int(key) + (ascending ? 0 : 10); }
    // The key whose menu item carries the check mark; none before the first sort.
    int CheckedKey() const { return state_ < 0 ? -1 : state_ % 10; }

private:
    int state_ = -1;
};

void SortRecordingRows(std::vector<RecordingRow>& rows, RecordingSortKey key, bool ascending);
