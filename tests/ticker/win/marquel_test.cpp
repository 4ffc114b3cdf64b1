// Marquel.dll as its clients see it under Wine: registration with regsvr32
// checked with reg query, a JScript client under cscript, and the ticker
// created through CoCreateInstance downloading its feed from a loopback
// server, scrolling on screen and keeping its settings.

// Winsock before windows.h, which the other headers bring.
#include "loopback_http_server.h"

#include "console_command.h"
#include "dravik_hall.h"
#include "marquel.h"
#include "window_capture.h"

#include "com_ptr.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr wchar_t kTickerKey[] = L"HKCU\\SOFTWARE\\Dravik\\Ticker\\3.01 UK";
constexpr wchar_t kClassKey[] = L"HKCR\\CLSID\\{2F1FA8D1-0A7B-4852-A09F-96FFD1F1AF06}";
constexpr wchar_t kTypeLibKey[] = L"HKCR\\TypeLib\\{F65B6B13-2186-4C9E-BA66-B941B0D43447}";
constexpr int kChannelField = 203;
constexpr int kChannelSpin = 204;
constexpr int kReadMoreButton = 113;
constexpr int kSpeedButton = 110;

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

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

std::wstring TestProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(std::wstring(path, length)).parent_path().wstring();
}

std::string ReadFileBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

void WriteFileBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

CommandResult RunChecked(const std::wstring& commandLine) {
    auto result = RunCommand(commandLine);
    EXPECT_TRUE(result) << "did not run: " << fs::path(commandLine).string();
    return result.value_or(CommandResult{999, ""});
}

// Runs the thread's messages (the ticker lives on this thread) until the
// condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 20000) {
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

// The ticker window of this thread: the dialog with the channel field.
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

// Left edge of a child window in its parent's client coordinates.
RECT ChildArea(HWND parent, int id) {
    RECT area{};
    GetWindowRect(GetDlgItem(parent, id), &area);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

// A host's hall object that records the links it is asked to open.
class RecordingHall final : public IDravikHall {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** result) override {
        *result = nullptr;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch) &&
            !IsEqualIID(riid, IID_IDravikHall)) {
            return E_NOINTERFACE;
        }
        *result = static_cast<IDravikHall*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                     EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ShowHall() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Navigate(VARIANT* url, VARIANT* flags, VARIANT* target,
                                       VARIANT* postData, VARIANT* headers) override {
        const bool restNull = !flags && !target && !postData && !headers;
        links.push_back(url && url->vt == VT_BSTR && restNull ? url->bstrVal : L"<bad call>");
        return S_OK;
    }

    ULONG references = 1;
    std::vector<std::wstring> links;
};

// Anything else a host might pass: an object without the hall interface.
class NotAHall final : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** result) override {
        *result = nullptr;
        if (!IsEqualIID(riid, IID_IUnknown)) return E_NOINTERFACE;
        *result = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

class Marquel : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = fs::temp_directory_path() / L"velmora-marquel";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        library_ = (folder_ / L"Marquel.dll").wstring();
        fs::copy_file(fs::path(TestProgramFolder()) / L"Marquel.dll", library_);
        const auto registered = RunCommand(L"regsvr32 /s " + Quoted(library_));
        ASSERT_TRUE(registered);
        ASSERT_EQ(registered->exitCode, 0u);
    }

    static void TearDownTestSuite() {
        RunCommand(L"regsvr32 /u /s " + Quoted(library_));
        CoFreeUnusedLibraries();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    void SetUp() override {
        RunChecked(L"reg delete " + Quoted(kTickerKey) + L" /f");
        fs::remove(CachePath());
    }

    static fs::path CachePath() { return folder_ / L"Marquel.xml"; }

    static void SetFeedUrl(const std::string& url) {
        RunChecked(L"reg add " + Quoted(kTickerKey) + L" /v URL /t REG_SZ /d " +
            Quoted(fs::path(url).wstring()) + L" /f");
    }

    static ComPtr<ITickerCtrl> CreateTicker() {
        ComPtr<ITickerCtrl> ticker;
        EXPECT_EQ(CoCreateInstance(CLSID_TickerCtrl, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_ITickerCtrl, ticker.PutVoid()),
                  S_OK);
        return ticker;
    }

    static inline fs::path folder_;
    static inline std::wstring library_;
};

TEST_F(Marquel, RegistrationWritesItsTableAndTakesItBack) {
    const auto progId = RunChecked(L"reg query HKCR\\Marquel.TickerCtrl /s");
    EXPECT_EQ(progId.exitCode, 0u);
    EXPECT_NE(progId.output.find("TickerCtrl Class"), std::string::npos);
    EXPECT_NE(progId.output.find("Marquel.TickerCtrl\\CurVer"), std::string::npos);
    EXPECT_NE(progId.output.find("Marquel.TickerCtrl.1"), std::string::npos);
    EXPECT_NE(progId.output.find("{2F1FA8D1-0A7B-4852-A09F-96FFD1F1AF06}"), std::string::npos);
    const auto versioned = RunChecked(L"reg query HKCR\\Marquel.TickerCtrl.1\\CLSID");
    EXPECT_NE(versioned.output.find("{2F1FA8D1-0A7B-4852-A09F-96FFD1F1AF06}"), std::string::npos);

    const auto classKey = RunChecked(L"reg query " + Quoted(kClassKey) + L" /s");
    EXPECT_EQ(classKey.exitCode, 0u);
    for (const char* expected :
         {"TickerCtrl Class", "\\ProgID", "Marquel.TickerCtrl.1", "\\VersionIndependentProgID",
          "\\Programmable", "\\InprocServer32", "ThreadingModel", "Apartment", "\\TypeLib",
          "{F65B6B13-2186-4C9E-BA66-B941B0D43447}"}) {
        EXPECT_NE(classKey.output.find(expected), std::string::npos) << expected;
    }
    EXPECT_NE(classKey.output.find(fs::path(library_).string()), std::string::npos);
    EXPECT_EQ(RunChecked(L"reg query " + Quoted(std::wstring(kTypeLibKey) + L"\\1.0")).exitCode,
              0u);

    ASSERT_EQ(RunChecked(L"regsvr32 /u /s " + Quoted(library_)).exitCode, 0u);
    EXPECT_NE(RunChecked(L"reg query HKCR\\Marquel.TickerCtrl").exitCode, 0u);
    EXPECT_NE(RunChecked(L"reg query HKCR\\Marquel.TickerCtrl.1").exitCode, 0u);
    EXPECT_NE(RunChecked(L"reg query " + Quoted(kClassKey)).exitCode, 0u);
    EXPECT_NE(RunChecked(L"reg query " + Quoted(kTypeLibKey)).exitCode, 0u);
    EXPECT_EQ(RunChecked(L"reg query HKCR\\CLSID /ve").exitCode, 0u);

    ASSERT_EQ(RunChecked(L"regsvr32 /s " + Quoted(library_)).exitCode, 0u);
}

TEST_F(Marquel, AJScriptClientShowsHidesAndLeavesItsSettings) {
    const fs::path script = folder_ / L"client.js";
    WriteFileBytes(script,
                   "var ticker = new ActiveXObject(\"Marquel.TickerCtrl\");\n"
                   "WScript.Echo(\"created visible=\" + ticker.IsVisible);\n"
                   "ticker.ShowWindow(5);\n"
                   "WScript.Echo(\"shown visible=\" + (ticker.IsVisible != 0));\n"
                   "ticker.SetChannel(\"News\");\n"
                   "ticker.ShowWindow(0);\n"
                   "WScript.Echo(\"hidden visible=\" + ticker.IsVisible);\n");
    const auto client = RunChecked(L"cscript //nologo " + Quoted(script.wstring()));
    EXPECT_EQ(client.exitCode, 0u) << client.output;
    EXPECT_NE(client.output.find("created visible=0"), std::string::npos) << client.output;
    EXPECT_NE(client.output.find("shown visible=true"), std::string::npos) << client.output;
    EXPECT_NE(client.output.find("hidden visible=0"), std::string::npos) << client.output;

    const auto delay = RunChecked(L"reg query " + Quoted(kTickerKey) + L" /v TickerDelay");
    EXPECT_NE(delay.output.find("0x1a"), std::string::npos) << delay.output;
    const auto channel = RunChecked(L"reg query " + Quoted(kTickerKey) + L" /v TickerChannel");
    EXPECT_NE(channel.output.find("0xffffffff"), std::string::npos) << channel.output;
}

TEST_F(Marquel, ShowsTheDownloadedFeedAndScrollsIt) {
    LoopbackHttpServer server;
    ASSERT_NE(server.Port(), 0);
    server.Serve("/ticker.php", LoopbackHttpServer::Ok(kFeed));
    SetFeedUrl(server.Url("/ticker.php"));

    auto ticker = CreateTicker();
    ASSERT_TRUE(ticker);
    HWND window = FindTickerWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    // Loading the library left the host program an empty log file.
    const fs::path log = fs::path(TestProgramFolder()) / L"ticker_wine_tests.log";
    EXPECT_TRUE(fs::exists(log));
    EXPECT_EQ(fs::file_size(log), 0u);
    long visible = -1;
    ASSERT_EQ(ticker->ShowWindow(SW_SHOW), S_OK);
    ASSERT_EQ(ticker->get_IsVisible(&visible), S_OK);
    EXPECT_NE(visible, 0);

    ASSERT_TRUE(PumpUntil([&] { return TextOf(window, kChannelField) == "World News"; }));
    EXPECT_EQ(ReadFileBytes(CachePath()), kFeed);

    // Between the spin and the buttons the text moves; the spin and the
    // buttons stay as they are. (The channel field is left out: its caret
    // blinks.)
    const int spinLeft = ChildArea(window, kChannelSpin).left;
    const int scrollLeft = ChildArea(window, kChannelSpin).right;
    const int scrollRight = ChildArea(window, kReadMoreButton).left;
    PumpFor(2000);
    const Capture first = CaptureClient(window);
    PumpFor(1000);
    const Capture second = CaptureClient(window);
    first.SaveBmp(L"ticker-scroll-1.bmp");
    second.SaveBmp(L"ticker-scroll-2.bmp");
    EXPECT_TRUE(second.DiffersIn(first, scrollLeft, scrollRight));
    EXPECT_FALSE(second.DiffersIn(first, spinLeft, scrollLeft));
    EXPECT_FALSE(second.DiffersIn(first, scrollRight, second.width));

    // Hidden and shown again, it goes on scrolling.
    ASSERT_EQ(ticker->ShowWindow(SW_HIDE), S_OK);
    ASSERT_EQ(ticker->get_IsVisible(&visible), S_OK);
    EXPECT_EQ(visible, 0);
    PumpFor(300);
    ASSERT_EQ(ticker->ShowWindow(SW_SHOW), S_OK);
    PumpFor(1500);
    const Capture resumed = CaptureClient(window);
    PumpFor(1000);
    EXPECT_TRUE(CaptureClient(window).DiffersIn(resumed, scrollLeft, scrollRight));
}

TEST_F(Marquel, AFailedDownloadKeepsTheLastGoodCache) {
    WriteFileBytes(CachePath(), kFeed);
    LoopbackHttpServer server;
    ASSERT_NE(server.Port(), 0);
    // An error page, and a feed cut off long before its announced length.
    server.Serve("/error",
                 "HTTP/1.0 500 Server Error\r\nContent-Length: 17\r\n\r\n<html>oops</html>");
    server.Serve("/cut",
                 "HTTP/1.0 200 OK\r\nContent-Length: 5000\r\n\r\n<TICKER><CHANNEL NAME=\"x\">");

    for (const char* path : {"/error", "/cut"}) {
        SetFeedUrl(server.Url(path));
        const int requests = server.Requests();
        auto ticker = CreateTicker();
        ASSERT_TRUE(ticker);
        HWND window = FindTickerWindow();
        // The download has ended when the first channel shows from the cache.
        EXPECT_TRUE(PumpUntil([&] {
            return server.Requests() > requests && TextOf(window, kChannelField) == "World News";
        })) << path;
        EXPECT_EQ(ReadFileBytes(CachePath()), kFeed) << path;
    }
    EXPECT_FALSE(fs::exists(folder_ / L"Marquel.xml.part"));
}

TEST_F(Marquel, ChannelsAreChosenByNameAndRemembered) {
    WriteFileBytes(CachePath(), kFeed);
    {
        auto ticker = CreateTicker();
        ASSERT_TRUE(ticker);
        HWND window = FindTickerWindow();
        Bstr sport(L"sport");
        EXPECT_EQ(ticker->SetChannel(sport.Get()), S_OK);
        EXPECT_EQ(TextOf(window, kChannelField), "sport");
        Bstr unknown(L"Weather");
        EXPECT_EQ(ticker->SetChannel(unknown.Get()), S_OK);
        EXPECT_EQ(TextOf(window, kChannelField), "sport");
    }
    const auto channel = RunChecked(L"reg query " + Quoted(kTickerKey) + L" /v TickerChannel");
    EXPECT_NE(channel.output.find("0x1"), std::string::npos) << channel.output;
}

TEST_F(Marquel, ReadMoreOpensOnlyWebLinksThroughTheHall) {
    WriteFileBytes(CachePath(), kFeed);
    auto ticker = CreateTicker();
    ASSERT_TRUE(ticker);
    HWND window = FindTickerWindow();
    RecordingHall hall;
    ASSERT_EQ(ticker->SetDravikHall(&hall), S_OK);
    EXPECT_EQ(hall.references, 2u);

    Bstr news(L"World News");
    ticker->SetChannel(news.Get());
    // The text has not reached the left edge yet: the first headline opens.
    SendMessageW(window, WM_COMMAND, kReadMoreButton, 0);
    EXPECT_EQ(hall.links, std::vector<std::wstring>{L"http://127.0.0.1/one million.html"});

    WriteFileBytes(CachePath(),
                   "<TICKER><CHANNEL NAME=\"Local\">"
                   "<ITEM TEXT=\"Free prize\" LINK=\"C:\\Windows\\system32\\calc.exe\"/>"
                   "</CHANNEL></TICKER>");
    Bstr local(L"Local");
    ticker->SetChannel(local.Get());
    EXPECT_EQ(TextOf(window, kChannelField), "Local");
    SendMessageW(window, WM_COMMAND, kReadMoreButton, 0);
    EXPECT_EQ(hall.links.size(), 1u);

    NotAHall other;
    EXPECT_EQ(ticker->SetDravikHall(&other), S_OK);
    EXPECT_EQ(hall.references, 1u);
    EXPECT_EQ(ticker->SetDravikHall(nullptr), S_OK);
}

// The speed dialog runs modally on the ticker's thread; another thread plays
// the user.
TEST_F(Marquel, TheSpeedDialogStoresTheNewDelayAtOnce) {
    auto ticker = CreateTicker();
    ASSERT_TRUE(ticker);
    HWND window = FindTickerWindow();
    ticker->ShowWindow(SW_SHOW);

    std::atomic<bool> done = false;
    int sliderAtOpening = -1;
    std::string storedDelay;
    std::thread user([&] {
        HWND dialog = nullptr;
        for (int i = 0; i < 500 && !dialog; ++i) {
            Sleep(20);
            EnumThreadWindows(
                GetWindowThreadProcessId(window, nullptr),
                [](HWND candidate, LPARAM result) -> BOOL {
                    if (!GetDlgItem(candidate, 104)) return TRUE;
                    *reinterpret_cast<HWND*>(result) = candidate;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&dialog));
        }
        if (dialog) {
            HWND slider = GetDlgItem(dialog, 104);
            sliderAtOpening = static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
            SendMessageW(slider, TBM_SETPOS, TRUE, 100);
            NMHDR released{slider, 104, static_cast<UINT>(NM_RELEASEDCAPTURE)};
            SendMessageW(dialog, WM_NOTIFY, 104, reinterpret_cast<LPARAM>(&released));
            storedDelay = RunCommand(L"reg query " + Quoted(kTickerKey) + L" /v TickerDelay")
                              .value_or(CommandResult{}).output;
            SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        }
        done = true;
    });
    PostMessageW(window, WM_COMMAND, kSpeedButton, 0);
    EXPECT_TRUE(PumpUntil([&] { return done.load(); }));
    user.join();
    EXPECT_EQ(sliderAtOpening, 50);
    EXPECT_NE(storedDelay.find("0x1\r"), std::string::npos) << storedDelay;
}

}  // namespace
