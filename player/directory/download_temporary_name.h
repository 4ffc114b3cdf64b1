#pragma once
// A download is written to a temporary file beside its target before it
// takes the target's place. A download that is killed leaves that file
// behind; these names let the start-up and the clean-up find such files and
// nothing else.

#include <string_view>

// The prefix given to GetTempFileName, which adds up to four hexadecimal
// digits and ".tmp".
inline constexpr wchar_t kDownloadTemporaryPrefix[] = L"vrd";

// True for a file name of that form ("vrd1A2F.tmp"), in any letter case.
bool IsDownloadTemporaryName(std::wstring_view name);
