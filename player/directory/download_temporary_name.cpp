#include "directory/download_temporary_name.h"

#include "common/helpers/text_case.h"

#include <cwctype>

namespace {

constexpr std::wstring_view kExtension = L".tmp";
constexpr std::size_t kMaxDigits = 4;

}  // namespace

bool IsDownloadTemporaryName(std::wstring_view name) {
    const std::wstring_view prefix = kDownloadTemporaryPrefix;
    if (name.size() <= prefix.size() + kExtension.size()) return false;
    if (!StartsWithIgnoringCase(name, prefix)) return false;
    if (!EqualsIgnoringCase(name.substr(name.size() - kExtension.size()), kExtension)) return false;
    const std::wstring_view digits =
        name.substr(prefix.size(), name.size() - prefix.size() - kExtension.size());
    if (digits.size() > kMaxDigits) return false;
    for (wchar_t c : digits) {
        if (!std::iswxdigit(static_cast<std::wint_t>(c))) return false;
    }
    return true;
}
