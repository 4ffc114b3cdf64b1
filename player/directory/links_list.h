#pragma once
// The entries of the main window's links field: two built-in commands, then
// the entries of "links.xml" (document element "root", one "link" element per
// entry with the title in the attribute "name" and the target as its text).

#include "host/station_info.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr wchar_t kLinksFile[] = L"links.xml";

struct LinksList {
    LinksList();

    std::vector<LinkEntry> entries;  // the built-in "Ticker" and "Update" first
    std::size_t current = 0;         // the entry the links field shows
};

// Reloads the entries after the built-in ones from the file. When the file
// does not load the list is left as it was. A link without a title or target
// stops the reading with failure, keeping the entries before it (and the
// field's entry, when it is still there); after a complete reading the field
// goes back to the first entry.
bool LoadLinks(LinksList& links, const std::wstring& path);

// True when downloaded bytes (ANSI text, as the site sends the directory) read
// as a whole links file: a captive portal's page must not replace the links.
bool IsLinksDocument(std::string_view bytes);
