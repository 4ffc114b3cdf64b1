#include "tests/ticker/win/marquel_fixture.h"

#include <algorithm>

namespace fs = std::filesystem;

const char kFeed[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<TICKER>\n"
    "  <CHANNEL NAME=\"World News\">\n"
    "    <ITEM TEXT=\"Velmora Radio reaches one million listeners\" "
    "LINK=\"http://127.0.0.1/one%20million.html\"/>\n"
    "    <ITEM TEXT=\"Storm warning for the north coast\" LINK=\"http://127.0.0.1/storm\"/>\n"
    "  </CHANNEL>\n"
    "  <CHANNEL NAME=\"Sport\">\n"
    "    <ITEM TEXT=\"Late goal decides the derby\" LINK=\"http://127.0.0.1/goal\"/>\n"
    "  </CHANNEL>\n"
    "</TICKER>\n";

std::optional<std::string> DemoFeed(const std::string& baseUrl) {
    std::wstring path = L"Z:" VELMORA_SITE_DIR L"/public/ticker.php";
    std::replace(path.begin(), path.end(), L'/', L'\\');
    std::string feed = ReadBytes(path);
    if (feed.empty()) return std::nullopt;
    constexpr std::string_view kBase = "{{BASE}}";
    for (std::size_t at = feed.find(kBase); at != std::string::npos;
         at = feed.find(kBase, at + baseUrl.size())) {
        feed.replace(at, kBase.size(), baseUrl);
    }
    return feed;
}

std::string FirstChannelName(const std::string& feed) {
    constexpr std::string_view kName = "<CHANNEL NAME=\"";
    const std::size_t start = feed.find(kName);
    if (start == std::string::npos) return "";
    const std::size_t from = start + kName.size();
    return feed.substr(from, feed.find('"', from) - from);
}

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

CommandResult RunChecked(const std::wstring& commandLine) {
    auto result = RunCommand(commandLine);
    EXPECT_TRUE(result) << "did not run: " << fs::path(commandLine).string();
    return result.value_or(CommandResult{999, ""});
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (condition()) return true;
        if (GetTickCount64() > deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

std::string TextOf(HWND window, int id) {
    char text[512] = "";
    GetDlgItemTextA(window, id, text, sizeof(text));
    return text;
}

HWND FindTickerWindow() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            if (!GetDlgItem(window, kChannelField)) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

RECT ChildArea(HWND parent, int id) {
    RECT area{};
    GetWindowRect(GetDlgItem(parent, id), &area);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void Marquel::SetUpTestSuite() {
    folder_ = fs::temp_directory_path() / L"velmora-marquel";
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    library_ = (folder_ / L"Marquel.dll").wstring();
    fs::copy_file(fs::path(TestProgramFolder()) / L"Marquel.dll", library_);
    const auto registered = RunCommand(L"regsvr32 /s " + Quoted(library_));
    ASSERT_TRUE(registered);
    ASSERT_EQ(registered->exitCode, 0u);
}

void Marquel::TearDownTestSuite() {
    RunCommand(L"regsvr32 /u /s " + Quoted(library_));
    CoFreeUnusedLibraries();
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

void Marquel::SetUp() {
    RunChecked(L"reg delete " + Quoted(kTickerKey) + L" /f");
    fs::remove(CachePath());
}

fs::path Marquel::CachePath() { return folder_ / L"Marquel.xml"; }

void Marquel::SetFeedUrl(const std::string& url) {
    RunChecked(L"reg add " + Quoted(kTickerKey) + L" /v URL /t REG_SZ /d " +
               Quoted(fs::path(url).wstring()) + L" /f");
}

ComPtr<ITickerCtrl> Marquel::CreateTicker() {
    ComPtr<ITickerCtrl> ticker;
    EXPECT_EQ(CoCreateInstance(CLSID_TickerCtrl, nullptr, CLSCTX_INPROC_SERVER, IID_ITickerCtrl,
                               ticker.PutVoid()),
              S_OK);
    return ticker;
}
