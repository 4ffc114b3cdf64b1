#pragma once
// The player's registry settings and the values it writes for others: the
// ticker's feed address, the browser's toolbar button, the autostart list and
// the shell's navigation sound. Every failure is silent: a value that cannot
// be read counts as absent, one that cannot be written is simply not there.

#include "common/ports/clock.h"
#include "common/ports/registry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr wchar_t kPlayerKey[] = L"software\\Tarnel Net Player\\Velmora 3.01 UK";
inline constexpr wchar_t kTickerKey[] = L"software\\Dravik\\Ticker\\3.01 UK";
inline constexpr wchar_t kAutostartKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kAutostartValue[] = L"Tarnel-Net Player";
inline constexpr wchar_t kNavigationSoundKey[] =
    L"AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.Current";
inline constexpr wchar_t kToolbarButtonKey[] =
    L"SOFTWARE\\Microsoft\\Internet Explorer\\Extensions\\{7A0815F1-6B65-4e3a-B198-709807B4042A}";

inline constexpr wchar_t kRadioDirectoryValue[] = L"Radio directory";
inline constexpr wchar_t kLastLaunchValue[] = L"Last Launch";
inline constexpr wchar_t kPlayValue[] = L"Play";
inline constexpr wchar_t kTickerUrlValue[] = L"URL";

// "-pc" writes only the program folder; the main window also writes the
// ticker's feed address right after it, when the player key could be opened.
void WriteRadioDirectory(Registry& registry, std::wstring_view appFolder);
void WriteRadioDirectoryAndTickerUrl(Registry& registry, std::wstring_view appFolder,
                                     std::wstring_view siteBaseUrl);

// The browser's toolbar button under HKEY_LOCAL_MACHINE; the writes stop at
// the first one that fails.
void RegisterToolbarButton(Registry& registry, std::wstring_view appFolder);

// "Play": created with 1 when absent. True when the stored value is non-zero.
bool ReadPlaySetting(Registry& registry);
void StorePlaySetting(Registry& registry, std::uint32_t value);

// "Last Launch": the day of the last fully successful directory refresh,
// as "year:month:day" without leading zeros.
std::wstring FormatLastLaunch(const LocalTime& date);
std::optional<std::wstring> ReadLastLaunch(Registry& registry);
void WriteLastLaunch(Registry& registry, const LocalTime& date);

// Start-up chores: the player never autostarts, and the web browser controls
// must not click on every navigation.
void RemoveAutostartValue(Registry& registry);
void SilenceNavigationSound(Registry& registry);

// "-cleanup": the player key with everything below it.
void DeletePlayerKey(Registry& registry);
