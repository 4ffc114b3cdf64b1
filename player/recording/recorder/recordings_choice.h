#pragma once
// What the user has chosen in the recordings list, held by file name rather
// than by row: the list is rebuilt whenever the folder changes (once a second
// while a recording grows), and a row number would then point at whatever
// file landed there, so Delete or Rename could act on a file nobody chose.

#include "recording/recorder/recordings_list.h"

#include <string>
#include <vector>

struct RecordingsChoice {
    std::vector<std::wstring> selected;
    std::wstring focused;  // empty: no row has the focus
    std::wstring mark;     // the selection mark's file; empty: none
};

// Where the chosen files stand among `rows`; a file gone from the folder is
// no longer chosen (-1 for the focus and the mark).
struct RecordingsChoiceRows {
    std::vector<int> selected;
    int focused = -1;
    int mark = -1;
};

RecordingsChoiceRows FindChosenRows(const RecordingsChoice& choice,
                                    const std::vector<RecordingRow>& rows);
