// Prints how long the player takes from its process start to its main
// window on the screen, next to the same measure for a minimal dialog
// program, under the same Wine server. Run by scripts/startup-benchmark with
// a site address where nothing answers, so no download is waited for.
//
//   startup_benchmark PLAYER MINIMAL_DIALOG [RUNS]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kLimitMs = 60000;

// Milliseconds from CreateProcess to a visible top-level window with the
// title; the program is then closed. Negative when it never showed.
double TimeToWindow(const wchar_t* program, const wchar_t* title) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\"";
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    HWND window = nullptr;
    double elapsed = -1;
    for (;;) {
        QueryPerformanceCounter(&now);
        const double ms = 1000.0 * (now.QuadPart - start.QuadPart) / frequency.QuadPart;
        window = FindWindowW(nullptr, title);
        if (window && IsWindowVisible(window)) {
            elapsed = ms;
            break;
        }
        if (ms > kLimitMs) break;
        Sleep(1);
    }
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 5;
    std::vector<double> player, baseline;
    for (int run = 0; run < runs; ++run) {
        baseline.push_back(TimeToWindow(argv[2], L"Minimal dialog"));
        player.push_back(TimeToWindow(argv[1], L"VelmoraRadio"));
    }
    const double playerMs = Median(player), baselineMs = Median(baseline);
    std::printf("start to window, median of %d runs\n", runs);
    std::printf("  minimal dialog: %8.1f ms\n", baselineMs);
    std::printf("  VelmoraRadio:   %8.1f ms\n", playerMs);
    if (baselineMs > 0) std::printf("  ratio:          %8.2f (goal: 1.5 or less)\n", playerMs / baselineMs);
    return playerMs > 0 && baselineMs > 0 ? 0 : 1;
}
