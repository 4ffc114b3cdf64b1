#include "shell/docked_panes.h"

#include "browser/dlg_small.h"
#include "directory/certificate_check.h"
#include "favorites/dlg_favorites.h"
#include "recording/scheduler/dlg_timer.h"
#include "web/web_pane_dlg.h"

// The panes not built yet show nothing: their buttons do nothing.
std::unique_ptr<DockedPane> CreateDockedPane(PaneKind pane, HWND owner, StationPlayer& player) {
    switch (pane) {
    case PaneKind::StationBrowser: return CreateStationBrowser(owner, player);
    case PaneKind::Favorites: return CreateFavoritesPane(owner, player);
    case PaneKind::Info: return CreateInfoPane(owner, std::make_unique<CertificateCheck>());
    case PaneKind::Search: return CreateSearchPane(owner, std::make_unique<CertificateCheck>());
    case PaneKind::Scheduler: return CreateSchedulerPane(owner);
    default: return nullptr;
    }
}
