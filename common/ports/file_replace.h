#pragma once
// Putting a freshly written file in the place of an older one in one step:
// whoever reads the target, even after a crash at the worst moment, finds
// either the old file or the new one, never half of either.

#include <string>

// Moves `replacement` onto `target`, replacing any file there. Both lie in
// the same folder. False leaves the target as it was.
bool ReplaceFileWith(const std::wstring& replacement, const std::wstring& target);

// The name a new version of `target` is written under before it replaces it.
inline std::wstring ReplacementName(const std::wstring& target) { return target + L".new"; }
