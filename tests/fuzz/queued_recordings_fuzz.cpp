// queued.xml, which the user may have edited by hand or brought from elsewhere.

#include "recording/scheduler/queued_recording_file.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const InputFile file("queued.xml");
    const LocalTime now{2026, 12, 8, 12, 0, 0};
    LoadQueuedRecordings(file.Write(data, size), now);
    return 0;
}
