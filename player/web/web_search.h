#pragma once
// The main window's web search ("Go" and Enter in the search box): the typed
// words go to the search URL in the user's browser, and the box is emptied
// for the next search.

#include "skin/adv_edit.h"

#include <string>

void RunWebSearch(HWND owner, CAdvEdit& box, const std::wstring& searchUrl);
