// The station directory as downloaded: bytes in the ANSI code page.

#include "directory/station_directory.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StationTable stations;
    ParseStations(WideOf(data, size), L"C:\\Program Files\\VelmoraRadio 3.01 UK\\", stations);
    return 0;
}
