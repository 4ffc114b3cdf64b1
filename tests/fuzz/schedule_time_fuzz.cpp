// The "hh:mm dd-mm-yyyy" texts of queued.xml. Whatever reads as a real time
// must read back the same after it is written out again.

#include "recording/scheduler/scheduler_time.h"
#include "tests/fuzz/fuzz_input.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const LocalTime time = ParseScheduleTime(WideOf(data, size));
    if (time != LocalTime{} && ParseScheduleTime(FormatScheduleTime(time)) != time) std::abort();
    return 0;
}
