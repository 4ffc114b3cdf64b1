// xml_interop_tool write|check FILE: writes the interchange sample with this
// build's XML adapter, or checks a sample that the other adapter wrote.

#include "tests/common/xml_interop_sample.h"

#include <cstdio>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <objbase.h>
#endif

namespace {

std::wstring Widened(const char* text) {
    // Paths given to the tool are ASCII (temporary folders of the build).
    return std::wstring(text, text + std::strlen(text));
}

int Run(const char* command, const std::wstring& path) {
    if (std::strcmp(command, "write") == 0) {
        if (WriteInteropSample(path)) return 0;
        std::fprintf(stderr, "could not write the sample\n");
        return 1;
    }
    if (std::strcmp(command, "check") == 0) {
        const std::wstring problem = CheckInteropSample(path);
        if (problem.empty()) return 0;
        std::fprintf(stderr, "%ls\n", problem.c_str());
        return 1;
    }
    std::fprintf(stderr, "usage: xml_interop_tool write|check FILE\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Run("", L"");
#ifdef _WIN32
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
#endif
    const int result = Run(argv[1], Widened(argv[2]));
#ifdef _WIN32
    CoUninitialize();
#endif
    return result;
}
