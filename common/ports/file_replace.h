#pragma once
// Putting a freshly written file in the place of an older one in one step:
// whoever reads the target, even after a crash at the worst moment, finds
// either the old file or the new one, never half of either.
//
// Setup closes the program folder to the users who run the player (one who
// could add a file there could add a library the player would load): they
// may change the player's data files in it and write in its "Saving" folder,
// nothing more. So a new version is written in the "Saving" folder beside
// its file. When the move from there is refused, the new version first takes
// the file's own name in the "Saving" folder, then is copied into the file;
// should that copy be cut short, FinishInterruptedReplace copies it again.

#include <string>

inline constexpr wchar_t kSavingFolderName[] = L"Saving";

// "<folder of target>\Saving\", made when missing.
std::wstring MakeSavingFolder(const std::wstring& target);

// The name a new version of `target` is written under before it replaces
// it: "<folder>\Saving\<name>.new". Makes the "Saving" folder when missing.
std::wstring ReplacementName(const std::wstring& target);

// Where a new version waits while it is copied into `target`:
// "<folder>\Saving\<name>".
std::wstring WaitingName(const std::wstring& target);

// Puts `replacement`, written in the "Saving" folder beside `target`, in the
// target's place. False leaves the target as it was, unless the copy into it
// failed part-way; then the new version waits for FinishInterruptedReplace.
bool ReplaceFileWith(const std::wstring& replacement, const std::wstring& target);

// Copies into `target` a new version that a cut-short replace left waiting.
// True when none was waiting or it is now in place.
bool FinishInterruptedReplace(const std::wstring& target);
