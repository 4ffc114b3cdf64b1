#include "host/player_settings.h"

#include <array>

namespace {

void WriteString(Registry& registry, RegistryRoot root, std::wstring_view keyPath,
                 std::wstring_view name, std::wstring_view value) {
    if (auto key = registry.CreateKey(root, keyPath)) key->WriteString(name, value);
}

}  // namespace

void WriteRadioDirectory(Registry& registry, std::wstring_view appFolder) {
    WriteString(registry, RegistryRoot::CurrentUser, kPlayerKey, kRadioDirectoryValue, appFolder);
}

void WriteRadioDirectoryAndTickerUrl(Registry& registry, std::wstring_view appFolder,
                                     std::wstring_view siteBaseUrl) {
    auto playerKey = registry.CreateKey(RegistryRoot::CurrentUser, kPlayerKey);
    if (!playerKey) return;
    playerKey->WriteString(kRadioDirectoryValue, appFolder);
    WriteString(registry, RegistryRoot::CurrentUser, kTickerKey, kTickerUrlValue,
                std::wstring(siteBaseUrl) + L"ticker.php");
}

void RegisterToolbarButton(Registry& registry, std::wstring_view appFolder) {
    auto key = registry.CreateKey(RegistryRoot::LocalMachine, kToolbarButtonKey);
    if (!key) return;
    const std::wstring icon = std::wstring(appFolder) + L"Plinden.dll,110";
    const std::array<std::pair<const wchar_t*, std::wstring>, 7> values{{
        {L"ButtonText", L"Velmora Radio"},
        // The browser's own class for toolbar buttons that call a COM object.
        {L"CLSID", L"{1FBA04EE-3024-11d2-8F1F-0000F87ABD16}"},
        // Plinden's RadioSEHelper, which starts the player.
        {L"CLSIDExtension", L"{1EC035CE-090E-4AF7-B6DF-AD11C2F0F9C9}"},
        {L"Default Visible", L"yes"},
        {L"MenuText", L"Velmora Radio"},
        {L"Icon", icon},
        {L"HotIcon", icon},
    }};
    for (const auto& [name, data] : values) {
        if (!key->WriteString(name, data)) return;
    }
}

bool ReadPlaySetting(Registry& registry) {
    auto key = registry.CreateKey(RegistryRoot::CurrentUser, kPlayerKey);
    if (!key) return true;
    if (auto stored = key->ReadDword(kPlayValue)) return *stored != 0;
    key->WriteDword(kPlayValue, 1);
    return true;
}

void StorePlaySetting(Registry& registry, std::uint32_t value) {
    if (auto key = registry.CreateKey(RegistryRoot::CurrentUser, kPlayerKey))
        key->WriteDword(kPlayValue, value);
}

std::wstring FormatLastLaunch(const LocalTime& date) {
    return std::to_wstring(date.year) + L":" + std::to_wstring(date.month) + L":" +
           std::to_wstring(date.day);
}

std::optional<std::wstring> ReadLastLaunch(Registry& registry) {
    auto key = registry.OpenKey(RegistryRoot::CurrentUser, kPlayerKey, false);
    if (!key) return std::nullopt;
    return key->ReadString(kLastLaunchValue);
}

void WriteLastLaunch(Registry& registry, const LocalTime& date) {
    WriteString(registry, RegistryRoot::CurrentUser, kPlayerKey, kLastLaunchValue,
                FormatLastLaunch(date));
}

void RemoveAutostartValue(Registry& registry) {
    if (auto key = registry.CreateKey(RegistryRoot::CurrentUser, kAutostartKey))
        key->DeleteValue(kAutostartValue);
}

void SilenceNavigationSound(Registry& registry) {
    WriteString(registry, RegistryRoot::CurrentUser, kNavigationSoundKey, L"", L"");
}

void DeletePlayerKey(Registry& registry) {
    registry.DeleteKeyTree(RegistryRoot::CurrentUser, kPlayerKey);
}
