#include "web_search.h"

#include "search_address.h"
#include "shell_open.h"
#include "url_part_canonical.h"

void RunWebSearch(HWND owner, CAdvEdit& box, const std::wstring& searchUrl) {
    const std::wstring words = box.Text();
    if (const auto address = SearchAddress(searchUrl, words, CanonicaliseUrlPart))
        OpenWebPage(owner, *address);
    box.SetText(L"");
    box.Send(EM_SETSEL, 0, -1);
}
