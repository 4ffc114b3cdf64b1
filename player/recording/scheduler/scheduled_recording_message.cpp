#include "recording/scheduler/scheduled_recording_message.h"

#include "host/player_messages.h"

bool PostScheduledRecording(HWND target, std::unique_ptr<QueuedRecording> entry,
                            ScheduledAction action) {
    if (!entry || !target) return false;
    if (!PostMessageW(target, WM_SCHEDULED_RECORDING, reinterpret_cast<WPARAM>(entry.get()),
                      static_cast<LPARAM>(action)))
        return false;
    entry.release();  // the receiver owns it now
    return true;
}

bool PostScheduledRecording(HWND target, const SchedulerRequest& request) {
    return PostScheduledRecording(target, std::make_unique<QueuedRecording>(request.entry),
                                  request.action);
}

std::unique_ptr<QueuedRecording> TakeScheduledRecording(WPARAM item) {
    return std::unique_ptr<QueuedRecording>(reinterpret_cast<QueuedRecording*>(item));
}
