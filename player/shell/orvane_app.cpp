#include "shell/orvane_app.h"

#include "common/helpers/scoped_handle.h"
#include "common/ports/app_folder.h"
#include "common/ports/registry_win32.h"
#include "common/scale/window_scale.h"
#include "directory/data_files_win32.h"
#include "host/player_settings.h"
#include "shell/data_cleanup.h"
#include "shell/orvane_dlg.h"
#include "shell/startup_action.h"
#include "skin/skin_decoder_preload.h"

#include <commctrl.h>
#include <ole2.h>

namespace {

// A second start never opens a second player: it brings the running one
// back, even from the tray.
void RaiseRunningPlayer() {
    if (HWND running = FindWindowW(nullptr, kMainWindowTitle)) {
        ShowWindow(running, SW_SHOWDEFAULT);
        SetForegroundWindow(running);
    }
}

}  // namespace

void COrvaneApp::InitInstance(std::wstring_view commandLine) {
    Win32Registry registry;
    switch (ResolveStartupAction(commandLine)) {
    case StartupAction::RegisterToolbarButton:
        WriteRadioDirectory(registry, GetAppFolder());
        RegisterToolbarButton(registry, GetAppFolder());
        return;
    case StartupAction::Cleanup:
        RemovePlayerData(registry, GetAppFolder());
        return;
    case StartupAction::Run:
        RunPlayer();
        return;
    }
}

void COrvaneApp::RunPlayer() {
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                                              ICC_LINK_CLASS | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    // The main window hosts ActiveX controls (media player, web browser,
    // ticker), which need OLE on this thread.
    const HRESULT ole = OleInitialize(nullptr);

    ScopedHandle mutex(CreateMutexW(nullptr, TRUE, kInstanceMutexName));
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        RaiseRunningPlayer();
    } else if (!FindWindowW(nullptr, kMainWindowTitle)) {
        const SkinDecoderPreload preload(WindowScale(nullptr));
        // No download runs before the main window starts its refresh, so
        // whatever a killed one left behind can go.
        RemoveLeftoverDownloads(GetAppFolder());
        FinishCutShortDownloads(GetAppFolder());
        COrvaneDlg mainWindow;
        mainWindow.DoModal();
    }
    mutex.Close();
    if (SUCCEEDED(ole)) OleUninitialize();
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    COrvaneApp app;
    app.InitInstance(commandLine ? commandLine : L"");
    return 0;
}
