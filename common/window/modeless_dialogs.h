#pragma once
// Modeless dialogs see the messages for their windows before they are
// dispatched (PreTranslateMessage: keyboard navigation, keys a dialog
// catches). A program's own message loop calls RouteToModelessDialog; while
// a modal dialog's loop runs instead, a message filter hook does, since the
// system offers every message of that loop to the filter (MSGF_DIALOGBOX)
// first.

#include <windows.h>

class Dialog;

void RegisterModelessDialog(Dialog& dialog);
void UnregisterModelessDialog(Dialog& dialog);

// True when a modeless dialog took the message: it must not be dispatched.
bool RouteToModelessDialog(MSG& message);
