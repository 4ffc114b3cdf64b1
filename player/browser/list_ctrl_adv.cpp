#include "browser/list_ctrl_adv.h"

#include "common/scale/window_scale.h"
#include "directory/station_categories.h"

namespace {

constexpr wchar_t kTip[] = L"Click on flag to open homepage and click on station name to play it.";

}  // namespace

void CListCtrlAdv::FillStations(const std::vector<StationInfo>& stations, unsigned mask) {
    ClearRows();
    SetUpColumns(L"Icon", 25, L"Station", 80);
    CreateTooltip(kTip, 1500, 1400);
    for (std::size_t index : StationsInCategory(stations, mask)) AppendRow(stations[index], index);
    SetRowCount(rows_.size());
}

void CListCtrlAdv::AppendRow(const StationInfo& station, std::size_t index) {
    rows_.push_back({station.name, index, flags_.Get(station.flagPath, WindowScale(hwnd_)),
                     station.flagPath});
}

void CListCtrlAdv::OnScaleChanged() {
    OwnerDrawnList::OnScaleChanged();
    // The first flag at the new scale drops those of the old one, which no
    // row holds once the loop is done; nothing paints in between.
    const DisplayScale scale = WindowScale(hwnd_);
    for (StationRow& row : rows_) row.flag = flags_.Get(row.flagPath, scale);
    Invalidate(false);
}

void CListCtrlAdv::ClearRows() {
    rows_.clear();
    SetRowCount(0);
}

void CListCtrlAdv::OnCellClicked(std::size_t row, ListCell cell) {
    const auto& handler = cell == ListCell::Second ? onPlay : onOpenHomePage;
    if (handler) handler(rows_[row].index);
}

void CListCtrlAdv::PreTranslateMessage(const MSG& message) {
    // The tip explains both columns, so it shows over the whole list.
    if (message.message == WM_MOUSEMOVE) tooltip_.Relay(message);
}
