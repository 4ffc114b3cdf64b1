// Plinden's own registration script, applied to the in-memory registry:
// exactly the keys its class needs, and all of them gone again but CLSID.

#include "common/com/registrar.h"
#include "common/ports/registry_memory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

constexpr auto kRoot = RegistryRoot::ClassesRoot;
constexpr wchar_t kClsid[] = L"{1EC035CE-090E-4AF7-B6DF-AD11C2F0F9C9}";
const std::wstring kClassKey = std::wstring(L"CLSID\\") + kClsid;

RegistrationScript LoadPlindenScript() {
    std::ifstream file(PLINDEN_SCRIPT, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const std::string text = bytes.str();  // plain ASCII
    auto parsed = ParseRegistrationScript(std::wstring(text.begin(), text.end()),
                                          {{L"MODULE", L"C:\\Radio\\Plinden.dll"}});
    EXPECT_TRUE(parsed.script) << parsed.error;
    return parsed.script.value_or(RegistrationScript{});
}

class PlindenScript : public ::testing::Test {
protected:
    std::optional<std::wstring> Read(const std::wstring& path, const wchar_t* name = L"") {
        auto key = registry_.OpenKey(kRoot, path, false);
        return key ? key->ReadString(name) : std::nullopt;
    }
    std::vector<std::wstring> Values(const std::wstring& path) {
        return registry_.ValueNames(kRoot, path);
    }

    MemoryRegistry registry_;
    RegistrationScript script_ = LoadPlindenScript();
};

TEST_F(PlindenScript, RegisteringWritesTheClassAndItsProgIds) {
    ASSERT_TRUE(ApplyRegistration(registry_, script_));
    const std::vector<std::wstring> justDefault{L""};

    EXPECT_EQ(Read(L"Plinden.RadioSEHelper.1"), L"RadioSEHelper Class");
    EXPECT_EQ(Read(L"Plinden.RadioSEHelper.1\\CLSID"), kClsid);
    EXPECT_EQ(Read(L"Plinden.RadioSEHelper"), L"RadioSEHelper Class");
    EXPECT_EQ(Read(L"Plinden.RadioSEHelper\\CLSID"), kClsid);
    EXPECT_EQ(Read(L"Plinden.RadioSEHelper\\CurVer"), L"Plinden.RadioSEHelper.1");
    EXPECT_EQ(Values(L"Plinden.RadioSEHelper"), justDefault);

    EXPECT_EQ(Read(kClassKey), L"RadioSEHelper Class");
    EXPECT_EQ(Values(kClassKey), justDefault);
    EXPECT_EQ(Read(kClassKey + L"\\ProgID"), L"Plinden.RadioSEHelper.1");
    EXPECT_EQ(Read(kClassKey + L"\\VersionIndependentProgID"), L"Plinden.RadioSEHelper");
    EXPECT_TRUE(registry_.KeyExists(kRoot, kClassKey + L"\\Programmable"));
    EXPECT_TRUE(Values(kClassKey + L"\\Programmable").empty());
    EXPECT_EQ(Read(kClassKey + L"\\InprocServer32"), L"C:\\Radio\\Plinden.dll");
    EXPECT_EQ(Read(kClassKey + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
    EXPECT_EQ(Values(kClassKey + L"\\InprocServer32"),
              (std::vector<std::wstring>{L"", L"ThreadingModel"}));
    EXPECT_EQ(Read(kClassKey + L"\\TypeLib"), L"{271D3FEF-B957-41C8-AA89-20DE289842D5}");
}

TEST_F(PlindenScript, UnregisteringLeavesOnlyClsid) {
    ASSERT_TRUE(ApplyRegistration(registry_, script_));
    ASSERT_TRUE(RemoveRegistration(registry_, script_));
    EXPECT_TRUE(registry_.KeyExists(kRoot, L"CLSID"));
    EXPECT_FALSE(registry_.KeyExists(kRoot, kClassKey));
    EXPECT_FALSE(registry_.KeyExists(kRoot, L"Plinden.RadioSEHelper"));
    EXPECT_FALSE(registry_.KeyExists(kRoot, L"Plinden.RadioSEHelper.1"));
}

}  // namespace
