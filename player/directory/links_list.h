#pragma once
// The entries of the main window's links field: two built-in commands, then
// the entries of "links.xml" (document element "root", one "link" element per
// entry with the title in the attribute "name" and the target as its text).

#include "host/station_info.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr wchar_t kLinksFile[] = L"links.xml";

struct LinksList {
    LinksList();

    std::vector<LinkEntry> entries;  // the built-in "Ticker" and "Update" first
    std::size_t current = 0;         // the entry the links field shows
};

// One reading of the file: its entries up to the first link without a title
// or target, and whether it had none such.
struct LinksReading {
    std::vector<LinkEntry> entries;
    bool complete = false;
};

// Nothing when the file does not load. The file may be large, so the main
// window has it read on a worker and applies the reading.
std::optional<LinksReading> ReadLinks(const std::wstring& path);

// Puts the reading's entries after the built-in ones. After an incomplete
// reading the field keeps its entry, when that is still there; after a
// complete one it goes back to the first entry.
void ApplyLinks(LinksList& links, LinksReading reading);

// Both in one step: false when the file did not load or was incomplete.
bool LoadLinks(LinksList& links, const std::wstring& path);

// True when downloaded bytes (ANSI text, as the site sends the directory) read
// as a whole links file: a captive portal's page must not replace the links.
bool IsLinksDocument(std::string_view bytes);
