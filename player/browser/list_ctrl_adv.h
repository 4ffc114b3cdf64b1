#pragma once
// The station list of the station browser: per station of the chosen
// category its flag and its name. A click on the name asks to play the
// station, a click on the flag to open its home page; the rows name stations
// by their index in the list the browser filled them from.

#include "browser/flag_images.h"
#include "host/station_table.h"
#include "skin/owner_drawn_list.h"

#include <functional>
#include <vector>

// A row's name and flag path are read from the station list when needed: a
// copy per row doubled the memory of a directory of thousands of stations.
struct StationRow {
    std::size_t index = 0;   // in the station list the rows were filled from
    HBITMAP flag = nullptr;  // shared, owned by the list's FlagImages; null: no flag
};

class CListCtrlAdv : public OwnerDrawnList {
public:
    // Each gets the clicked row's station index.
    std::function<void(std::size_t)> onPlay;
    std::function<void(std::size_t)> onOpenHomePage;

    // Rebuilds the list with the stations listed under the category mask.
    void FillStations(const StationList& stations, unsigned mask);
    void ClearRows();
    // For a new directory: its flag files may have changed.
    void ForgetFlags() { flags_.Forget(); }

    const std::vector<StationRow>& Rows() const { return rows_; }
    std::wstring_view RowName(std::size_t row) const override {
        return stations_->Name(rows_[row].index);
    }
    std::size_t FlagCount() const { return flags_.Count(); }

protected:
    std::size_t RowCount() const override { return rows_.size(); }
    HBITMAP RowPicture(std::size_t row) const override { return rows_[row].flag; }
    void OnCellClicked(std::size_t row, ListCell cell) override;
    void PreTranslateMessage(const MSG& message) override;
    // Each row's flag again, drawn for the new scale.
    void OnScaleChanged() override;

private:
    HBITMAP FlagOf(std::size_t index, const DisplayScale& scale);

    StationList stations_ = MakeStationList();  // the rows' stations
    std::vector<StationRow> rows_;
    FlagImages flags_;
};
