#pragma once
// The scheduler pane's message texts. Refused additions show a warning box
// with the caption kSchedulerCaption; the delete question has no caption.

#include "recording/scheduler/scheduler_queue.h"

#include <cstddef>

inline constexpr wchar_t kSchedulerCaption[] = L"VelmoraRadio";

// The warning for a refused addition; null when the recording was added.
const wchar_t* AddWarning(AddOutcome outcome);

// The question before deleting the selected rows.
const wchar_t* DeleteQuestion(std::size_t selectedRows);
