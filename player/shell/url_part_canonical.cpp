#include "url_part_canonical.h"

#include <shlwapi.h>
#include <windows.h>

#include <vector>

std::optional<std::wstring> CanonicaliseUrlPart(std::wstring_view text) {
    const std::wstring source(text);
    // Escaping makes each character at most three; a text that needs more
    // room is told by the first call, which the second then gives.
    DWORD room = static_cast<DWORD>(source.size() * 3 + 1);
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::vector<wchar_t> canonical(room + 1, L'\0');
        DWORD length = room;
        const HRESULT result = UrlCanonicalizeW(source.c_str(), canonical.data(), &length, 0);
        if (SUCCEEDED(result)) return std::wstring(canonical.data(), length);
        if (result != E_POINTER || length <= room) return std::nullopt;
        room = length;
    }
    return std::nullopt;
}
