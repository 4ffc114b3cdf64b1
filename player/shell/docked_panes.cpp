#include "docked_pane.h"

#include "web_pane_dlg.h"

// The panes come with their own windows; until one is built its button shows
// nothing.
std::unique_ptr<DockedPane> CreateDockedPane(PaneKind pane, HWND owner) {
    switch (pane) {
        case PaneKind::Info:
            return CreateInfoPane(owner);
        case PaneKind::Search:
            return CreateSearchPane(owner);
        default:
            return nullptr;
    }
}
