#pragma once
// What the Wine tests of Marquel.dll share: a registered copy of the library
// in a folder of its own (its feed cache lands there), the ticker's registry
// key cleared before each test, and helpers to run console programs, pump
// the ticker's messages and find its window.

// Winsock before windows.h, which the other headers bring.
#include "tests/ticker/win/loopback_http_server.h"

#include "common/helpers/com_ptr.h"
#include "marquel.h"
#include "tests/support/console_command.h"
#include "tests/support/player_process.h"
#include "tests/support/scratch_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

inline constexpr wchar_t kTickerKey[] = L"HKCU\\SOFTWARE\\Dravik\\Ticker\\3.01 UK";
inline constexpr int kChannelField = 203;
inline constexpr int kChannelSpin = 204;
inline constexpr int kReadMoreButton = 113;
inline constexpr int kSpeedButton = 110;

// A feed of two channels, as the site serves it.
extern const char kFeed[];

// The demo site's own feed, with its links based at `baseUrl` as the site's
// server fills them in; nothing when the site's feed cannot be read.
std::optional<std::string> DemoFeed(const std::string& baseUrl);
// The NAME of the feed's first channel.
std::string FirstChannelName(const std::string& feed);

std::wstring Quoted(const std::wstring& text);
// Runs a console program, failing the test when it cannot be run.
CommandResult RunChecked(const std::wstring& commandLine);

// Runs the thread's messages (the ticker lives on this thread) until the
// condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 20000);
void PumpFor(DWORD milliseconds);

std::string TextOf(HWND window, int id);
// The ticker window of this thread: the dialog with the channel field.
HWND FindTickerWindow();
// A child window's rectangle in its parent's client coordinates.
RECT ChildArea(HWND parent, int id);

class Marquel : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    static std::filesystem::path CachePath();
    static void SetFeedUrl(const std::string& url);
    static ComPtr<ITickerCtrl> CreateTicker();

    static inline std::filesystem::path folder_;
    static inline std::wstring library_;
};
