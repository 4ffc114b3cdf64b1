#pragma once
// queued.xml in the program's folder: the scheduler's queue, top row first.
//
//   <root>
//     <queued>
//       <station/> <banner/> <homepage/> <streamlink/> <name/>
//       <start>hh:mm dd-mm-yyyy</start> <end/> <format>MP3 or WAV</format>
//     </queued>
//   </root>
//
// The status is not stored: loading derives it from the clock.

#include "recording/scheduler/queued_recording.h"

#include <string>
#include <vector>

inline constexpr wchar_t kQueueFileName[] = L"queued.xml";

// Entries whose end lies before `now` load as Done, the others as Waiting.
// Loading stops at the first element that lacks one of its eight children,
// keeping the entries before it, and skips entries whose name is not a safe
// file name (a hand-edited or foreign file must not make the recorder write
// outside its folder). A missing or unreadable file gives an empty queue. A
// save that a crash cut short while copying into the file is finished first.
std::vector<QueuedRecording> LoadQueuedRecordings(const std::wstring& path, const LocalTime& now);

// Every entry, whatever its status; an empty queue gives an empty root. The
// file is written in the "Saving" folder and then takes the old one's place,
// so a failed save keeps the old queue.
bool SaveQueuedRecordings(const std::wstring& path, const std::vector<QueuedRecording>& queue);
