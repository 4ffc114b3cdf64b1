// Registering Plinden.dll the way an installer does, with regsvr32, and
// reading the result back with reg.exe and through advapi32.

#include "common/ports/registry_win32.h"
#include "host/player_settings.h"
#include "tests/support/console_command.h"
#include "tests/support/player_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

namespace {

constexpr auto kRoot = RegistryRoot::ClassesRoot;
constexpr wchar_t kClsid[] = L"{1EC035CE-090E-4AF7-B6DF-AD11C2F0F9C9}";
constexpr wchar_t kLibid[] = L"{271D3FEF-B957-41C8-AA89-20DE289842D5}";
const std::wstring kClassKey = std::wstring(L"CLSID\\") + kClsid;
const std::wstring kTypeLibKey = std::wstring(L"TypeLib\\") + kLibid;
const std::wstring kInterfaceKey = L"Interface\\{58367232-6CE7-489A-A2AB-190E76ACD208}";

std::wstring PlindenPath() { return TestProgramFolder() + L"Plinden.dll"; }

std::optional<DWORD> Regsvr32(const wchar_t* options) {
    const auto result =
        RunCommand(std::wstring(L"regsvr32.exe ") + options + L" \"" + PlindenPath() + L"\"");
    if (!result) return std::nullopt;
    return result->exitCode;
}

// The lines of `reg query KEY /s` that name a value, each as
// "name|type|data" with the runs of blanks between the columns taken out.
std::vector<std::string> RegQueryValues(const std::wstring& key) {
    const auto result = RunCommand(L"reg.exe query \"HKCR\\" + key + L"\" /s");
    std::vector<std::string> values;
    if (!result || result->exitCode != 0) return values;
    std::istringstream lines(result->output);
    std::string line;
    while (std::getline(lines, line)) {
        if (const size_t end = line.find('\r'); end != std::string::npos) line.resize(end);
        if (line.rfind("    ", 0) != 0) continue;
        const size_t typeAt = line.find("    REG_", 4);
        if (typeAt == std::string::npos) continue;
        const size_t dataAt = line.find("    ", typeAt + 4);
        std::string entry = line.substr(4, typeAt - 4) + "|" +
                            line.substr(typeAt + 4, dataAt == std::string::npos
                                                        ? std::string::npos
                                                        : dataAt - typeAt - 4);
        if (dataAt != std::string::npos) entry += "|" + line.substr(dataAt + 4);
        values.push_back(entry);
    }
    return values;
}

// The keys that `reg query KEY /s` lists, the queried one and those below
// it, each named relative to KEY ("" for KEY itself).
std::vector<std::wstring> RegQueryKeys(const std::wstring& key) {
    const auto result = RunCommand(L"reg.exe query \"HKCR\\" + key + L"\" /s");
    std::vector<std::wstring> keys;
    if (!result || result->exitCode != 0) return keys;
    const std::string prefix = "HKEY_CLASSES_ROOT\\" + std::string(key.begin(), key.end());
    std::istringstream lines(result->output);
    std::string line;
    while (std::getline(lines, line)) {
        if (const size_t end = line.find('\r'); end != std::string::npos) line.resize(end);
        if (line.rfind(prefix, 0) != 0) continue;
        keys.emplace_back(line.begin() + static_cast<std::ptrdiff_t>(prefix.size()), line.end());
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

// A default value as RegQueryValues lists it.
std::string DefaultValue(const std::wstring& data) {
    std::string entry = "(Default)|REG_SZ|";
    entry.append(data.begin(), data.end());
    return entry;
}

class PlindenRegistration : public ::testing::Test {
protected:
    void TearDown() override { Regsvr32(L"/s /u"); }

    std::optional<std::wstring> Read(const std::wstring& path, const wchar_t* name = L"") {
        auto key = registry_.OpenKey(kRoot, path, false);
        return key ? key->ReadString(name) : std::nullopt;
    }
    bool Exists(RegistryRoot root, const std::wstring& path) {
        return registry_.OpenKey(root, path, false) != nullptr;
    }

    Win32Registry registry_;
};

TEST_F(PlindenRegistration, Regsvr32WritesTheClassProgIdsAndTypeLibrary) {
    ASSERT_EQ(Regsvr32(L"/s"), 0u);

    std::vector<std::string> expected{
        "(Default)|REG_SZ|Plinden.RadioSEHelper",
        "(Default)|REG_SZ|Plinden.RadioSEHelper.1",
        "(Default)|REG_SZ|RadioSEHelper Class",
        DefaultValue(PlindenPath()),
        "(Default)|REG_SZ|{271D3FEF-B957-41C8-AA89-20DE289842D5}",
        "ThreadingModel|REG_SZ|Apartment",
    };
    EXPECT_EQ(RegQueryKeys(kClassKey),
              (std::vector<std::wstring>{L"", L"\\InprocServer32", L"\\ProgID",
                                         L"\\Programmable", L"\\TypeLib",
                                         L"\\VersionIndependentProgID"}));
    EXPECT_EQ(RegQueryKeys(L"Plinden.RadioSEHelper"),
              (std::vector<std::wstring>{L"", L"\\CLSID", L"\\CurVer"}));
    auto classValues = RegQueryValues(kClassKey);
    std::sort(expected.begin(), expected.end());
    std::sort(classValues.begin(), classValues.end());
    EXPECT_EQ(classValues, expected);
    EXPECT_EQ(Read(kClassKey + L"\\ProgID"), L"Plinden.RadioSEHelper.1");
    EXPECT_EQ(Read(kClassKey + L"\\VersionIndependentProgID"), L"Plinden.RadioSEHelper");
    EXPECT_TRUE(Exists(kRoot, kClassKey + L"\\Programmable"));
    EXPECT_EQ(Read(kClassKey + L"\\InprocServer32"), PlindenPath());
    EXPECT_EQ(Read(kClassKey + L"\\TypeLib"), kLibid);

    EXPECT_EQ(RegQueryValues(L"Plinden.RadioSEHelper.1"),
              (std::vector<std::string>{"(Default)|REG_SZ|RadioSEHelper Class",
                                        DefaultValue(kClsid)}));
    EXPECT_EQ(Read(L"Plinden.RadioSEHelper"), L"RadioSEHelper Class");
    EXPECT_EQ(Read(L"Plinden.RadioSEHelper\\CLSID"), kClsid);
    EXPECT_EQ(Read(L"Plinden.RadioSEHelper\\CurVer"), L"Plinden.RadioSEHelper.1");

    EXPECT_EQ(Read(kTypeLibKey + L"\\1.0"), L"Plinden 1.0 Type Library");
    EXPECT_EQ(Read(kTypeLibKey + L"\\1.0\\0\\win64"), PlindenPath());
    EXPECT_EQ(Read(kInterfaceKey), L"IRadioSEHelper");
}

TEST_F(PlindenRegistration, Regsvr32UnregisterRemovesAllButClsidAndTakesTheButtonAlong) {
    ASSERT_EQ(Regsvr32(L"/s"), 0u);
    registry_.CreateKey(RegistryRoot::LocalMachine, kToolbarButtonKey)
        ->WriteString(L"ButtonText", L"Velmora Radio");

    ASSERT_EQ(Regsvr32(L"/s /u"), 0u);
    EXPECT_FALSE(Exists(kRoot, kClassKey));
    EXPECT_FALSE(Exists(kRoot, L"Plinden.RadioSEHelper"));
    EXPECT_FALSE(Exists(kRoot, L"Plinden.RadioSEHelper.1"));
    EXPECT_FALSE(Exists(kRoot, kTypeLibKey));
    EXPECT_FALSE(Exists(kRoot, kInterfaceKey));
    EXPECT_TRUE(Exists(kRoot, L"CLSID"));
    EXPECT_FALSE(Exists(RegistryRoot::LocalMachine, kToolbarButtonKey));
    EXPECT_TRUE(RegQueryValues(kClassKey).empty());
}

TEST_F(PlindenRegistration, UnregisteringWhatIsNotRegisteredSucceeds) {
    ASSERT_EQ(Regsvr32(L"/s /u"), 0u);
    EXPECT_EQ(Regsvr32(L"/s /u"), 0u);
    EXPECT_FALSE(Exists(kRoot, kClassKey));
}

}  // namespace
