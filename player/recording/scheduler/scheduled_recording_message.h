#pragma once
// WM_SCHEDULED_RECORDING carries its entry by address from the scheduler to
// the main window and on to the recorder. The entry travels as a copy of its
// own, handed from window to window: the user may delete the row, or the
// next tick may come (a message box pumps timers), before the message is
// read. Whoever takes the copy from a message owns it; a post that fails
// frees it.

#include "recording/scheduler/queued_recording.h"
#include "recording/scheduler/scheduler_request.h"

#include <windows.h>

#include <memory>

// Posts the entry to `target`; false when the window took no message.
bool PostScheduledRecording(HWND target, std::unique_ptr<QueuedRecording> entry,
                            ScheduledAction action);
bool PostScheduledRecording(HWND target, const SchedulerRequest& request);

// The entry of a WM_SCHEDULED_RECORDING, now owned by the caller; null for
// a message that carries none.
std::unique_ptr<QueuedRecording> TakeScheduledRecording(WPARAM item);
