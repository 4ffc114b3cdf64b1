#include "recording/recorder/recordings_choice.h"

#include <algorithm>

namespace {

int RowOf(const std::wstring& name, const std::vector<RecordingRow>& rows) {
    if (name.empty()) return -1;
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const RecordingRow& r) { return r.name == name; });
    return row == rows.end() ? -1 : static_cast<int>(row - rows.begin());
}

}  // namespace

RecordingsChoiceRows FindChosenRows(const RecordingsChoice& choice,
                                    const std::vector<RecordingRow>& rows) {
    RecordingsChoiceRows found;
    for (const std::wstring& name : choice.selected)
        if (const int row = RowOf(name, rows); row >= 0) found.selected.push_back(row);
    found.focused = RowOf(choice.focused, rows);
    found.mark = RowOf(choice.mark, rows);
    return found;
}
