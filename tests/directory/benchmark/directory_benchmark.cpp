// Prints how long the directory takes to read and to check for missing flags
// at 10,000 stations: through pugixml and memory files on the host, through
// MSXML and the disk on Windows. Run by hand; the figures go in docs/performance.md.

#include "common/ports/xml_document.h"
#include "directory/directory_refresh.h"
#include "directory/station_directory.h"

#ifdef _WIN32
#include "directory/data_files_win32.h"

#include <objbase.h>
#else
#include "directory/data_files_memory.h"
#endif

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kStations = 10000;
constexpr int kFlags = 40;
constexpr int kRounds = 5;

// Flags are present, so nothing is ever downloaded.
class NoNetwork : public HttpClient {
public:
    HttpTransfer Get(const std::wstring&, const std::function<bool(std::string_view)>&) override {
        HttpTransfer transfer;
        transfer.error = L"no network in the benchmark";
        return transfer;
    }
};

std::wstring FlagName(int index) {
    return L"flag" + std::to_wstring(index % kFlags) + L".bmp";
}

std::wstring GeneratedDirectory() {
    std::wstring text = L"<?xml version=\"1.0\"?>\n<root>\n";
    for (int i = 0; i < kStations; ++i) {
        const std::wstring id = std::to_wstring(i);
        text += L"<station name=\"Station " + id + L"\"><homepage>http://radio" + id +
                L".example/</homepage><streamlink>http://stream.example/" + id +
                L".mp3</streamlink><banner>http://site.example/banner.php?bid=" + id +
                L"</banner>";
        if (i % 3 != 0) {
            text += L"<current>http://radio" + id +
                    L".example/now.html</current><tfirst>Now playing:</tfirst>"
                    L"<tsecond>&lt;/b&gt;</tsecond>";
        }
        text += L"<catid>" + std::to_wstring(1u << (i % 10)) + L"</catid><flagfile>" +
                FlagName(i) + L"</flagfile></station>\n";
    }
    return text + L"</root>\n";
}

// The best time of each step over the rounds. The steps take turns within
// a round, so that figures compared with each other met the same load from
// other programs on the machine.
std::vector<double> BestSeconds(const std::vector<std::function<void()>>& steps) {
    std::vector<double> best(steps.size(), 1e9);
    for (int round = 0; round < kRounds; ++round) {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            steps[i]();
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            best[i] = std::min(best[i], took.count());
        }
    }
    return best;
}

}  // namespace

int main() {
#ifdef _WIN32
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const char* adapter = "MSXML, files on disk";
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "velmora-benchmark";
    std::filesystem::create_directories(folder / "Flags");
    const std::wstring appFolder = folder.wstring() + L"\\";
    Win32DataFiles files;
    // An empty file counts as none, so each flag gets a few bytes.
    for (int i = 0; i < kFlags; ++i) {
        auto flag = files.Replace(appFolder + kFlagsFolder + FlagName(i));
        if (flag && flag->Write("BM")) flag->Commit();
    }
#else
    const char* adapter = "pugixml, files in memory";
    const std::wstring appFolder = L"C:\\Radio\\";
    MemoryDataFiles files;
    for (int i = 0; i < kFlags; ++i) files.Put(appFolder + kFlagsFolder + FlagName(i), "BM");
#endif
    const std::wstring text = GeneratedDirectory();
    bool loaded = true;
    StationTable stations;
    bool parsed = true;
    NoNetwork network;
    Downloader downloads(network, files);
    bool checked = true;
    const auto best = BestSeconds({
        [&] {
            auto document = NewXmlDocument();
            loaded = document && document->LoadText(text) && loaded;
        },
        [&] { parsed = ParseStations(text, appFolder, stations) && parsed; },
        [&] {
            checked = FetchMissingFlags(stations, {appFolder, L"http://site.example/"}, downloads,
                                        files) && checked;
        },
    });
    const double load = best[0], parse = best[1], flags = best[2];

    std::printf("Station directory, %d stations (%s), best of %d:\n", kStations, adapter, kRounds);
    std::printf("  loading the text   %8.1f ms (%zu KB, the XML component alone, %s)\n",
                load * 1000, text.size() / 1024, loaded ? "ok" : "FAILED");
    std::printf("  ParseStations      %8.1f ms (%.1fx loading, %s)\n", parse * 1000, parse / load,
                parsed && stations.size() == kStations ? "ok" : "FAILED");
    std::printf("  FetchMissingFlags  %8.1f ms (%d checks, all present, %s)\n", flags * 1000,
                kStations, checked ? "ok" : "FAILED");
#ifdef _WIN32
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    CoUninitialize();
#endif
    return loaded && parsed && checked ? 0 : 1;
}
