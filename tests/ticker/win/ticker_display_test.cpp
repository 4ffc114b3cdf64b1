// The ticker created through CoCreateInstance: its feed from a loopback
// server, the cache file, scrolling seen on screen, channels, read-more links
// and the speed dialog.

#include "tests/ticker/win/marquel_fixture.h"
#include "tests/ticker/win/window_capture.h"
#include "ticker/dravik_hall.h"

#include <commctrl.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

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
        if (onNavigate) onNavigate();
        return S_OK;
    }

    ULONG references = 1;
    std::vector<std::wstring> links;
    std::function<void()> onNavigate;
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

TEST_F(Marquel, ShowsTheDownloadedFeedAndScrollsIt) {
    LoopbackHttpServer server;
    ASSERT_NE(server.Port(), 0);
    const auto demoFeed = DemoFeed(server.Url("/"));
    ASSERT_TRUE(demoFeed) << "the demo site's ticker.php cannot be read";
    const std::string& feed = *demoFeed;
    server.Serve("/ticker.php", LoopbackHttpServer::Ok(feed));
    SetFeedUrl(server.Url("/ticker.php"));

    auto ticker = CreateTicker();
    ASSERT_TRUE(ticker);
    HWND window = FindTickerWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    // The library keeps its log beside the player only: a program of
    // another name (this one, the installer, a browser) keeps its own ".log"
    // as it was, and gets none.
    const fs::path log = fs::path(TestProgramFolder()) / L"ticker_wine_tests.log";
    EXPECT_FALSE(fs::exists(log));
    long visible = -1;
    ASSERT_EQ(ticker->ShowWindow(SW_SHOW), S_OK);
    ASSERT_EQ(ticker->get_IsVisible(&visible), S_OK);
    EXPECT_NE(visible, 0);

    const std::string firstChannel = FirstChannelName(feed);
    ASSERT_FALSE(firstChannel.empty());
    ASSERT_TRUE(PumpUntil([&] { return TextOf(window, kChannelField) == firstChannel; }));
    EXPECT_EQ(ReadBytes(CachePath()), feed);

    // Between the spin and the buttons the text moves left; the spin and the
    // buttons stay as they are. (The channel field is left out: its caret
    // blinks.) The band's edges are left out of the shift, as the scroller
    // measures them in window and not client coordinates.
    const int spinLeft = ChildArea(window, kChannelSpin).left;
    const int scrollLeft = ChildArea(window, kChannelSpin).right;
    const int scrollRight = ChildArea(window, kReadMoreButton).left;
    constexpr int kEdge = 4;
    PumpFor(2000);
    const Capture first = CaptureClient(window);
    PumpFor(1000);
    const Capture second = CaptureClient(window);
    // Kept beside the test program, to look at.
    first.SaveBmp(TestProgramFolder() + L"ticker-scroll-1.bmp");
    second.SaveBmp(TestProgramFolder() + L"ticker-scroll-2.bmp");
    EXPECT_TRUE(second.ShiftLeftSince(first, scrollLeft + kEdge, scrollRight - kEdge));
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
    EXPECT_TRUE(
        CaptureClient(window).ShiftLeftSince(resumed, scrollLeft + kEdge, scrollRight - kEdge));
}

TEST_F(Marquel, AFailedDownloadKeepsTheLastGoodCache) {
    WriteBytes(CachePath(), kFeed);
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
        EXPECT_EQ(ReadBytes(CachePath()), kFeed) << path;
    }
    EXPECT_FALSE(fs::exists(folder_ / L"Saving" / L"Marquel.xml.new"));
}

// Two tickers download at the same moment and are released while their
// scrollers draw: every step must be over before a window's drawing objects
// go, and both downloads share the one Internet session.
TEST_F(Marquel, TickersComeAndGoWhileScrollingAndDownloading) {
    LoopbackHttpServer server;
    ASSERT_NE(server.Port(), 0);
    server.Serve("/ticker.php", LoopbackHttpServer::Ok(kFeed));
    SetFeedUrl(server.Url("/ticker.php"));
    for (int round = 0; round < 8; ++round) {
        const int requests = server.Requests();
        auto first = CreateTicker();
        auto second = CreateTicker();
        ASSERT_TRUE(first && second);
        first->ShowWindow(SW_SHOWNOACTIVATE);
        second->ShowWindow(SW_SHOWNOACTIVATE);
        EXPECT_TRUE(PumpUntil([&] { return server.Requests() >= requests + 2; })) << round;
        PumpFor(50 * round);
    }
    EXPECT_EQ(FindTickerWindow(), nullptr);
    EXPECT_EQ(ReadBytes(CachePath()), kFeed);
}

// The spin proposes a change; the ticker lets it happen only when there is
// a channel at the new position.
NMUPDOWN SpinChange(HWND window, int position, int delta) {
    NMUPDOWN change{};
    change.hdr = {GetDlgItem(window, kChannelSpin), static_cast<UINT_PTR>(kChannelSpin),
                  static_cast<UINT>(UDN_DELTAPOS)};
    change.iPos = position;
    change.iDelta = delta;
    SendMessageW(window, WM_NOTIFY, kChannelSpin, reinterpret_cast<LPARAM>(&change));
    return change;
}

TEST_F(Marquel, ChannelsAreChosenByNameOrSpinAndRemembered) {
    WriteBytes(CachePath(), kFeed);
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

        EXPECT_EQ(SpinChange(window, 1, -1).iDelta, -1);
        EXPECT_EQ(TextOf(window, kChannelField), "World News");
        EXPECT_EQ(SpinChange(window, 0, 1).iDelta, 1);
        EXPECT_EQ(TextOf(window, kChannelField), "Sport");
        // Past the last channel the spin stays where it is.
        EXPECT_EQ(SpinChange(window, 1, 1).iDelta, 0);
        EXPECT_EQ(TextOf(window, kChannelField), "Sport");
    }
    const auto channel = RunChecked(L"reg query " + Quoted(kTickerKey) + L" /v TickerChannel");
    EXPECT_NE(channel.output.find("0x1\r"), std::string::npos) << channel.output;
}

// A ticker on the news channel with a recording hall set.
class TickerWithHall : public Marquel {
protected:
    void SetUp() override {
        Marquel::SetUp();
        WriteBytes(CachePath(), kFeed);
        ticker_ = CreateTicker();
        ASSERT_TRUE(ticker_);
        window_ = FindTickerWindow();
        ASSERT_EQ(ticker_->SetDravikHall(&hall_), S_OK);
        Bstr news(L"World News");
        ticker_->SetChannel(news.Get());
    }

    RecordingHall hall_;  // before the ticker, which holds it
    ComPtr<ITickerCtrl> ticker_;
    HWND window_ = nullptr;
};

TEST_F(TickerWithHall, ReadMoreOpensOnlyWebLinksThroughTheHall) {
    EXPECT_EQ(hall_.references, 2u);
    // The text has not reached the left edge yet: the first headline opens.
    SendMessageW(window_, WM_COMMAND, kReadMoreButton, 0);
    EXPECT_EQ(hall_.links, std::vector<std::wstring>{L"http://127.0.0.1/one million.html"});

    WriteBytes(CachePath(),
                   "<TICKER><CHANNEL NAME=\"Local\">"
                   "<ITEM TEXT=\"Free prize\" LINK=\"C:\\Windows\\system32\\calc.exe\"/>"
                   "</CHANNEL></TICKER>");
    Bstr local(L"Local");
    ticker_->SetChannel(local.Get());
    EXPECT_EQ(TextOf(window_, kChannelField), "Local");
    SendMessageW(window_, WM_COMMAND, kReadMoreButton, 0);
    EXPECT_EQ(hall_.links.size(), 1u);

    NotAHall other;
    EXPECT_EQ(ticker_->SetDravikHall(&other), S_OK);
    EXPECT_EQ(hall_.references, 1u);
    EXPECT_EQ(ticker_->SetDravikHall(nullptr), S_OK);
}

TEST_F(TickerWithHall, AHostThatReleasesTheTickerWhileItNavigatesLeavesItWholeUntilTheCallEnds) {
    bool windowDuringNavigate = false;
    hall_.onNavigate = [&] {
        ticker_.Reset();  // the host's last reference
        windowDuringNavigate = IsWindow(window_) != FALSE;
    };
    SendMessageW(window_, WM_COMMAND, kReadMoreButton, 0);
    EXPECT_EQ(hall_.links.size(), 1u);
    EXPECT_TRUE(windowDuringNavigate);
    // Once the call is over the ticker goes, and gives the hall back.
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(hall_.references, 1u);
}

// The speed dialog runs modally on the ticker's thread; another thread plays
// the user.
TEST_F(Marquel, TheSpeedDialogStoresTheNewDelayAtOnceAndClosesWhenLeft) {
    auto ticker = CreateTicker();
    ASSERT_TRUE(ticker);
    HWND window = FindTickerWindow();
    ticker->ShowWindow(SW_SHOW);

    std::atomic<bool> done = false;
    int sliderAtOpening = -1;
    std::string storedDelay;
    bool closedByDeactivation = false;
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
            // Clicking another window closes the dialog.
            HWND elsewhere = CreateWindowExW(0, L"STATIC", L"elsewhere", WS_POPUP | WS_VISIBLE,
                                             600, 300, 100, 100, nullptr, nullptr, nullptr,
                                             nullptr);
            SetForegroundWindow(elsewhere);
            for (int i = 0; i < 250 && IsWindow(dialog); ++i) {
                MSG message;
                while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
                Sleep(20);
            }
            closedByDeactivation = !IsWindow(dialog);
            if (!closedByDeactivation) SendMessageW(dialog, WM_COMMAND, IDOK, 0);
            DestroyWindow(elsewhere);
        }
        done = true;
    });
    PostMessageW(window, WM_COMMAND, kSpeedButton, 0);
    EXPECT_TRUE(PumpUntil([&] { return done.load(); }));
    user.join();
    EXPECT_EQ(sliderAtOpening, 50);
    EXPECT_NE(storedDelay.find("0x1\r"), std::string::npos) << storedDelay;
    EXPECT_TRUE(closedByDeactivation);
}

}  // namespace
