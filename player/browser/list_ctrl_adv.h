#pragma once
// The station list of the station browser: per station of the chosen
// category its flag and its name. A click on the name asks to play the
// station, a click on the flag to open its home page; the rows name stations
// by their index in the list the browser filled them from.

#include "browser/flag_images.h"
#include "host/station_info.h"
#include "skin/owner_drawn_list.h"

#include <functional>
#include <string>
#include <vector>

struct StationRow {
    std::wstring name;
    std::size_t index = 0;   // in the station list the rows were filled from
    HBITMAP flag = nullptr;  // shared, owned by the list's FlagImages; null: no flag
    std::wstring flagPath;   // to load the flag again at another scale
};

class CListCtrlAdv : public OwnerDrawnList {
public:
    // Each gets the clicked row's station index.
    std::function<void(std::size_t)> onPlay;
    std::function<void(std::size_t)> onOpenHomePage;

    // Rebuilds the list with the stations listed under the category mask.
    void FillStations(const std::vector<StationInfo>& stations, unsigned mask);
    void ClearRows();
    // For a new directory: its flag files may have changed.
    void ForgetFlags() { flags_.Forget(); }

    const std::vector<StationRow>& Rows() const { return rows_; }
    std::size_t FlagCount() const { return flags_.Count(); }

protected:
    std::size_t RowCount() const override { return rows_.size(); }
    std::wstring_view RowName(std::size_t row) const override { return rows_[row].name; }
    HBITMAP RowPicture(std::size_t row) const override { return rows_[row].flag; }
    void OnCellClicked(std::size_t row, ListCell cell) override;
    void PreTranslateMessage(const MSG& message) override;
    // Each row's flag again, drawn for the new scale.
    void OnScaleChanged() override;

private:
    void AppendRow(const StationInfo& station, std::size_t index);

    std::vector<StationRow> rows_;
    FlagImages flags_;
};
