#include "skin/report_columns.h"

#include "common/scale/window_scale.h"

#include <commctrl.h>

void InsertReportColumns(HWND list, std::span<const ReportColumn> columns) {
    const DisplayScale scale = WindowScale(list);
    for (int index = 0; index < static_cast<int>(columns.size()); ++index) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = LVCFMT_LEFT;
        column.pszText = const_cast<wchar_t*>(columns[index].title);
        column.cx = scale.Scale(columns[index].width);
        ListView_InsertColumn(list, index, &column);
    }
}

void ScaleReportColumns(HWND list, std::span<const ReportColumn> columns) {
    const DisplayScale scale = WindowScale(list);
    for (int index = 0; index < static_cast<int>(columns.size()); ++index)
        ListView_SetColumnWidth(list, index, scale.Scale(columns[index].width));
}
