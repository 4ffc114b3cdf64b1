// Fills the station browser's list with 10,000 stations sharing 200 flag
// files and prints the fill times and the process's GDI objects: the first
// fill loads each flag once, a category change reuses them.

#include "browser/dlg_small.h"
#include "browser/list_ctrl_adv.h"
#include "res/panes_ids.h"

#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace {

constexpr int kStations = 10000;
constexpr int kFlags = 200;

class NoPlayer : public StationPlayer {
public:
    void SelectStation(const StationInfo&) override {}
    StationInfo GetCurrentStation() const override { return {}; }
};

// A 23 x 18 24-bit bitmap file of one colour.
void WriteFlag(const std::filesystem::path& path, int shade) {
    constexpr int kWidth = 23;
    constexpr int kHeight = 18;
    constexpr int kStride = (kWidth * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + kStride * kHeight;
    info.biSize = sizeof(info);
    info.biWidth = kWidth;
    info.biHeight = kHeight;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::vector<char> pixels(kStride * kHeight, static_cast<char>(shade));
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

double SecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

DWORD GdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "velmora-station-list-benchmark";
    std::filesystem::create_directories(folder);
    StationTable stations;
    for (int i = 0; i < kStations; ++i) {
        StationInfo station;
        station.name = L"Station " + std::to_wstring(i);
        station.flagPath = (folder / (L"flag" + std::to_wstring(i % kFlags) + L".bmp")).wstring();
        station.catid = 1u << (i % 10);
        stations.Add(station);
    }
    stations.Compact();
    for (int flag = 0; flag < kFlags; ++flag) {
        WriteFlag(folder / (L"flag" + std::to_wstring(flag) + L".bmp"), flag);
    }

    NoPlayer player;
    std::unique_ptr<DockedPane> browser = CreateStationBrowser(nullptr, player);
    if (!browser) {
        std::puts("the station browser could not be made");
        return 1;
    }
    auto* pane = static_cast<CDlgSmall*>(browser.get());
    auto* list = dynamic_cast<CListCtrlAdv*>(
        Control::FromHandle(GetDlgItem(browser->PaneWindow(), IDC_BROWSER_STATIONS)));
    const DWORD before = GdiObjects();

    const StationList shared = MakeStationList(std::move(stations));
    const double first = SecondsOf([&] { browser->SetStations(shared); });
    const DWORD afterFirst = GdiObjects();
    const double category = SecondsOf([&] { pane->Fill(4); });
    const double all = SecondsOf([&] { pane->Fill(0); });

    std::printf("stations %d, flag files %d, flag pictures held %zu\n", kStations, kFlags,
                list ? list->FlagCount() : 0);
    std::printf("first fill (loads the flags): %.3f s\n", first);
    std::printf("category fill: %.3f s\n", category);
    std::printf("refill of all stations: %.3f s\n", all);
    // Wine's GetGuiResources counts nothing; the pictures the list holds are
    // then the figure to read.
    if (afterFirst == 0) {
        std::puts("GDI objects: not counted by this system (GetGuiResources answers 0)");
    } else {
        std::printf("GDI objects: %lu before the fill, %lu after it, %lu now\n", before, afterFirst,
                    GdiObjects());
    }
    browser.reset();
    std::filesystem::remove_all(folder);
    return 0;
}
