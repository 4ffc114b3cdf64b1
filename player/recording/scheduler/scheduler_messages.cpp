#include "recording/scheduler/scheduler_messages.h"

const wchar_t* AddWarning(AddOutcome outcome) {
    switch (outcome) {
    case AddOutcome::Added: return nullptr;
    case AddOutcome::NoStation: return L"Please select radio station.";
    case AddOutcome::TimesOutOfOrder: return L"Please select start and end time properly.";
    case AddOutcome::Overlap: return L"Selected interval interfere with queued intervals.";
    case AddOutcome::UnsafeName: return L"Please enter a valid recording name.";
    case AddOutcome::NameTaken: return L"Selected filename already exist.";
    }
    return nullptr;
}

const wchar_t* DeleteQuestion(std::size_t selectedRows) {
    return selectedRows > 1 ? L"Are you sure you want to delete files?"
                            : L"Are you sure you want to delete file?";
}
