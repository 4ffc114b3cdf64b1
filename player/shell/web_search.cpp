#include "web_search.h"

#include "search_address.h"
#include "shell_open.h"

void RunWebSearch(HWND owner, CAdvEdit& box, const std::wstring& searchUrl) {
    OpenWebPage(owner, SearchAddress(searchUrl, box.Text()));
    box.SetText(L"");
    box.Send(EM_SETSEL, 0, -1);
}
