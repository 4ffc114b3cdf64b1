#include "browser/list_ctrl_adv.h"

#include "common/scale/window_scale.h"
#include "directory/station_categories.h"

namespace {

constexpr wchar_t kTip[] = L"Click on flag to open homepage and click on station name to play it.";

}  // namespace

void CListCtrlAdv::FillStations(const StationList& stations, unsigned mask) {
    ClearRows();
    stations_ = stations;
    SetUpColumns(L"Icon", 25, L"Station", 80);
    CreateTooltip(kTip, 1500, 1400);
    const std::vector<std::size_t> listed = StationsInCategory(*stations_, mask);
    const DisplayScale scale = WindowScale(hwnd_);
    rows_.reserve(listed.size());
    for (std::size_t index : listed) rows_.push_back({index, FlagOf(index, scale)});
    SetRowCount(rows_.size());
}

HBITMAP CListCtrlAdv::FlagOf(std::size_t index, const DisplayScale& scale) {
    return flags_.Get(std::wstring(stations_->FlagPath(index)), scale);
}

void CListCtrlAdv::OnScaleChanged() {
    OwnerDrawnList::OnScaleChanged();
    // The first flag at the new scale drops those of the old one, which no
    // row holds once the loop is done; nothing paints in between.
    const DisplayScale scale = WindowScale(hwnd_);
    for (StationRow& row : rows_) row.flag = FlagOf(row.index, scale);
    Invalidate(false);
}

void CListCtrlAdv::ClearRows() {
    rows_ = {};
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
