// Times how long the running player's main window takes to answer, from
// another process: every 10 ms it sends the window a message that does
// nothing and waits for the answer. A window whose thread waits on slow work
// answers late; one that never waits answers within a few milliseconds.
//
//   responsiveness_probe SECONDS [SINCE]
//
// Prints each answer that took over 100 ms with the time it was asked
// ("slow 760.4 ms at 12.3 s"), counted from SINCE (Unix time in seconds, as
// `date +%s.%N` gives it, so that the times line up with the calling
// script's own; Wine takes a second or more to start this program) or else
// from this program's start; then the number of answers, the longest, the
// 99th percentile and how many took over 100 ms, one figure a line
// ("longest 12.3 ms"). Fails when the window is not there or stopped
// answering for 30 s.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr wchar_t kTitle[] = L"VelmoraRadio";
constexpr DWORD kStepMs = 10;
constexpr UINT kHungMs = 30000;
constexpr double kSlowMs = 100;

constexpr ULONGLONG kUnixEpochInFileTime = 116444736000000000ULL;  // 100 ns steps

double UnixSeconds() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<double>(ticks - kUnixEpochInFileTime) / 1e7;
}

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// The answer times; empty when the window went away or hung.
std::vector<double> TimeAnswers(HWND window, DWORD seconds, double since) {
    std::vector<double> answers;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    while (MillisecondsSince(start) < seconds * 1000.0) {
        LARGE_INTEGER sent;
        QueryPerformanceCounter(&sent);
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kHungMs, &ignored)) return {};
        const double took = MillisecondsSince(sent);
        answers.push_back(took);
        if (took > kSlowMs)
            std::printf("slow %.1f ms at %.1f s\n", took, UnixSeconds() - took / 1000.0 - since);
        if (took < kStepMs) Sleep(static_cast<DWORD>(kStepMs - took));
    }
    return answers;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2 && argc != 3) return 2;
    const DWORD seconds = static_cast<DWORD>(_wtoi(argv[1]));
    const double since = argc == 3 ? _wtof(argv[2]) : UnixSeconds();
    HWND window = nullptr;
    for (int tries = 0; tries < 3000 && !(window = FindWindowW(nullptr, kTitle)); ++tries)
        Sleep(10);
    if (!window) return 1;
    std::vector<double> answers = TimeAnswers(window, seconds, since);
    if (answers.empty()) return 1;
    std::sort(answers.begin(), answers.end());
    const std::size_t slow = static_cast<std::size_t>(
        answers.end() - std::upper_bound(answers.begin(), answers.end(), kSlowMs));
    std::printf("answers %zu\n", answers.size());
    std::printf("longest %.1f ms\n", answers.back());
    std::printf("99th percentile %.1f ms\n", answers[answers.size() * 99 / 100]);
    std::printf("over 100 ms %zu\n", slow);
    return 0;
}
