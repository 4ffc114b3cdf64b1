#pragma once
// Runs the directory refresh on a worker thread for the main window, and reads
// the links file after it there too. The worker fills a list of its own and
// the window takes it over whole after WM_DIRECTORY_READY, so nothing ever
// reads a list being filled.
//
// Each refresh tags its WM_DIRECTORY_READY with a number of its own (lParam):
// a report still queued when the next refresh started belongs to a refresh
// whose result is gone, and is passed over instead of waiting for the new one.

#include "directory/directory_refresh.h"
#include "directory/links_list.h"
#include "directory/worker_thread.h"

#include <memory>
#include <optional>
#include <vector>

enum class DirectoryHandover {
    Stale,      // the report of an earlier refresh: ignore the message
    Unchanged,  // the directory could not be read: keep the list held
    NewList,    // the list was replaced
};

class DirectoryRefreshRunner {
public:
    explicit DirectoryRefreshRunner(DirectoryPlace place) : place_(std::move(place)) {}

    // Starts a refresh that reports WM_DIRECTORY_READY to `owner`. False, and
    // nothing started, while the previous refresh still runs.
    bool Start(HWND owner, bool forced);
    bool IsRunning() const { return worker_.IsRunning(); }
    // For WM_DIRECTORY_READY with its lParam: waits for the worker of that
    // refresh, which has already reported, and replaces `stations` with the
    // list it read, if it read one, and the links' entries with the ones it
    // read, if the file loaded. A stale report changes neither.
    DirectoryHandover TakeDirectory(LPARAM refresh, StationTable& stations, LinksList& links);
    // Why the site of the refresh last taken was refused, if it was.
    std::optional<SecureConnectionProblem> Refused() const { return refused_; }

private:
    struct Reading {
        DirectoryRefreshResult directory;
        std::optional<LinksReading> links;
        std::optional<SecureConnectionProblem> refused;
    };

    DirectoryPlace place_;
    ReportingWorker worker_;
    LPARAM refreshes_ = 0;              // tag of the newest refresh
    std::shared_ptr<Reading> reading_;  // shared with the running worker
    std::optional<SecureConnectionProblem> refused_;
};
