#pragma once
// The columns of a plain report list view, their widths given in skin pixels
// at 100%: they grow with the scale, as the list's font does.

#include <windows.h>

#include <span>

struct ReportColumn {
    const wchar_t* title;
    int width;
};

// Adds the columns, left-aligned, at the scale of the list's monitor.
void InsertReportColumns(HWND list, std::span<const ReportColumn> columns);
// Gives the columns their widths again at the list's scale now.
void ScaleReportColumns(HWND list, std::span<const ReportColumn> columns);
