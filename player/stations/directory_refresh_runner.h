#pragma once
// Runs the directory refresh on a worker thread for the main window. The
// worker fills a list of its own and the window takes it over whole after
// WM_DIRECTORY_READY, so nothing ever reads a list being filled.

#include "directory_refresh.h"
#include "worker_thread.h"

#include <memory>
#include <vector>

class DirectoryRefreshRunner {
public:
    explicit DirectoryRefreshRunner(DirectoryPlace place) : place_(std::move(place)) {}

    // Starts a refresh that reports WM_DIRECTORY_READY to `owner`. False, and
    // nothing started, while the previous refresh still runs.
    bool Start(HWND owner, bool forced);
    bool IsRunning() const { return worker_.IsRunning(); }
    // For WM_DIRECTORY_READY: waits for the worker and hands over the list it
    // built (also after a failure, when it holds what could be read).
    std::vector<StationInfo> TakeStations();

private:
    DirectoryPlace place_;
    ReportingWorker worker_;
    std::shared_ptr<std::vector<StationInfo>> built_;  // shared with the running worker
};
