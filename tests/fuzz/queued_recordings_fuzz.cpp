// queued.xml, which the user may have edited by hand or brought from elsewhere.

#include "fuzz_input.h"
#include "queued_recording_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const InputFile file("queued.xml");
    const LocalTime now{2026, 12, 8, 12, 0, 0};
    LoadQueuedRecordings(file.Write(data, size), now);
    return 0;
}
