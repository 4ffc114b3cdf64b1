#pragma once
// What the scheduler asks of the main window. The pane posts each request as
// WM_SCHEDULED_RECORDING with the action as lParam; the request carries a copy
// of its entry, so the receiver never holds on to a row the user may delete
// before the message arrives.

#include "recording/scheduler/queued_recording.h"

enum class ScheduledAction { Start = 0, Stop = 1 };

struct SchedulerRequest {
    ScheduledAction action;
    QueuedRecording entry;
};
