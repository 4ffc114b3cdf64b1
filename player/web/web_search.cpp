#include "web/web_search.h"

#include "common/helpers/shell_open.h"
#include "web/search_address.h"

void RunWebSearch(HWND owner, CAdvEdit& box, const std::wstring& searchUrl) {
    OpenWebPage(owner, SearchAddress(searchUrl, box.Text()));
    box.SetText(L"");
    box.Send(EM_SETSEL, 0, -1);
}
