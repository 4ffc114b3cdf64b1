#pragma once
// CDlgTimer: the scheduler pane. The user queues recordings of the current
// station between two times; every five seconds the pane compares the clock
// with the queue and asks the main window to start or stop them. It lives,
// shown or hidden, as long as the main window, and keeps queued.xml in step
// with its list.

#include "common/ports/clock_win32.h"
#include "common/ports/registry_win32.h"
#include "common/window/gdi_object.h"
#include "host/docked_pane.h"
#include "recording/scheduler/scheduler_queue.h"
#include "recording/scheduler/scheduler_station.h"
#include "skin/bitmap_dialog.h"
#include "skin/button_st.h"
#include "skin/hyperlink_static.h"

#include <string>
#include <vector>

class CDlgTimer : public CBitmapDialog, public DockedPane {
public:
    CDlgTimer(HWND owner, std::wstring queueFile);

    // DockedPane
    HWND PaneWindow() const override { return hwnd_; }
    PaneSize Size() const override;
    void OnStationChanged(const StationInfo& station) override;
    void MarkRunningDone() override;
    void MarkStartFailed(unsigned id) override;

    // The station the next added recording takes; an empty name forgets it.
    void SetStation(const std::wstring& name, const std::wstring& homepage,
                    const std::wstring& banner, const std::wstring& streamlink);

    bool PreTranslateMessage(MSG& message) override;

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;
    void OnTimer(UINT_PTR id) override;
    void ApplyScale() override;

private:
    void SetUpControls();
    void SetUpList();
    void ApplyPickerFont();

    void LoadQueue();
    void Tick();
    void Add();
    void DeleteSelected();
    void OpenFolder();
    void PostRequests(const std::vector<SchedulerRequest>& requests) const;
    RecordingChoice Choice() const;
    std::vector<unsigned> SelectedIds() const;
    void SelectRow(std::size_t row) const;

    // The list shows the queue row for row; each change is saved at once.
    void ShowRows() const;
    void ShowStatuses() const;
    void QueueChanged(bool rowsChanged);

    std::wstring queueFile_;
    SystemClock clock_;
    SchedulerQueue queue_{clock_};
    SchedulerStation station_;
    Win32Registry registry_;

    CButtonST close_, add_, delete_, folder_;
    CHyperlinkStatic stationLink_;
    ScopedFont pickerFont_;
};

std::unique_ptr<DockedPane> CreateSchedulerPane(HWND owner);
