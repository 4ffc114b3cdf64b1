// Registering and unregistering a COM server's script against the in-memory
// registry: what is written, what is replaced, what is left alone.

#include "common/com/registrar.h"
#include "common/ports/registry_memory.h"

#include <gtest/gtest.h>

namespace {

constexpr auto kRoot = RegistryRoot::ClassesRoot;
constexpr wchar_t kClassKey[] = L"CLSID\\{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";

constexpr wchar_t kScript[] = LR"(
HKCR
{
    Sample.Thing.1 = s 'Thing Class'
    {
        CLSID = s '{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}'
    }
    NoRemove CLSID
    {
        ForceRemove {0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0} = s 'Thing Class'
        {
            ProgID = s 'Sample.Thing.1'
            ForceRemove Programmable
            InprocServer32 = s '%MODULE%'
            {
                val ThreadingModel = s 'Apartment'
            }
        }
    }
}
)";

class Registrar : public ::testing::Test {
protected:
    void SetUp() override {
        auto parsed = ParseRegistrationScript(kScript, {{L"MODULE", L"C:\\Apps\\Thing.dll"}});
        ASSERT_TRUE(parsed.script) << parsed.error;
        script_ = std::move(*parsed.script);
    }

    std::optional<std::wstring> Read(std::wstring_view path, std::wstring_view name = L"") {
        auto key = registry_.OpenKey(kRoot, path, false);
        return key ? key->ReadString(name) : std::nullopt;
    }

    bool Exists(std::wstring_view path) const { return registry_.KeyExists(kRoot, path); }
    std::wstring Below(std::wstring_view name) const {
        return std::wstring(kClassKey) + L"\\" + std::wstring(name);
    }

    MemoryRegistry registry_;
    RegistrationScript script_;
};

TEST_F(Registrar, RegisteringWritesEveryKeyAndValue) {
    ASSERT_TRUE(ApplyRegistration(registry_, script_));
    EXPECT_EQ(Read(L"Sample.Thing.1"), L"Thing Class");
    EXPECT_EQ(Read(L"Sample.Thing.1\\CLSID"), L"{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}");
    EXPECT_EQ(Read(kClassKey), L"Thing Class");
    EXPECT_EQ(Read(Below(L"ProgID")), L"Sample.Thing.1");
    EXPECT_TRUE(Exists(Below(L"Programmable")));
    EXPECT_EQ(registry_.ValueNames(kRoot, Below(L"Programmable")), std::vector<std::wstring>{});
    EXPECT_EQ(Read(Below(L"InprocServer32")), L"C:\\Apps\\Thing.dll");
    EXPECT_EQ(Read(Below(L"InprocServer32"), L"ThreadingModel"), L"Apartment");
    EXPECT_EQ(registry_.ValueNames(kRoot, Below(L"InprocServer32")),
              (std::vector<std::wstring>{L"", L"ThreadingModel"}));
}

TEST_F(Registrar, UnregisteringRemovesAllButTheSharedClsidKey) {
    registry_.CreateKey(kRoot, L"CLSID\\{11111111-2222-3333-4444-555555555555}");
    ASSERT_TRUE(ApplyRegistration(registry_, script_));

    EXPECT_TRUE(RemoveRegistration(registry_, script_));
    EXPECT_FALSE(Exists(L"Sample.Thing.1"));
    EXPECT_FALSE(Exists(kClassKey));
    EXPECT_TRUE(Exists(L"CLSID"));
    EXPECT_TRUE(Exists(L"CLSID\\{11111111-2222-3333-4444-555555555555}"));

    // Nothing left to remove is no failure, and removal creates nothing.
    EXPECT_TRUE(RemoveRegistration(registry_, script_));
    MemoryRegistry empty;
    EXPECT_TRUE(RemoveRegistration(empty, script_));
    EXPECT_FALSE(empty.KeyExists(kRoot, L"CLSID"));
}

TEST_F(Registrar, ForceRemoveReplacesTheKeyWhole) {
    registry_.CreateKey(kRoot, Below(L"LocalServer32"))->WriteString(L"", L"stale.exe");
    registry_.CreateKey(kRoot, Below(L"Programmable\\Old"));
    registry_.CreateKey(kRoot, kClassKey)->WriteString(L"Stale", L"x");

    ASSERT_TRUE(ApplyRegistration(registry_, script_));
    EXPECT_FALSE(Exists(Below(L"LocalServer32")));
    EXPECT_FALSE(Exists(Below(L"Programmable\\Old")));
    EXPECT_EQ(Read(kClassKey, L"Stale"), std::nullopt);
    EXPECT_EQ(Read(Below(L"InprocServer32")), L"C:\\Apps\\Thing.dll");
}

TEST_F(Registrar, AnOrdinaryKeyThatOthersStillUseKeepsTheirPartOnRemoval) {
    ASSERT_TRUE(ApplyRegistration(registry_, script_));
    registry_.CreateKey(kRoot, L"Sample.Thing.1\\Shell");

    EXPECT_TRUE(RemoveRegistration(registry_, script_));
    EXPECT_TRUE(Exists(L"Sample.Thing.1\\Shell"));
    EXPECT_FALSE(Exists(L"Sample.Thing.1\\CLSID"));
    EXPECT_EQ(Read(L"Sample.Thing.1"), std::nullopt);
}

TEST_F(Registrar, AFailedWriteTakesBackWhatWasWritten) {
    // The class key comes second: by then the ProgID key is written.
    registry_.DenyWrites(kRoot, L"CLSID");
    EXPECT_FALSE(ApplyRegistration(registry_, script_));
    EXPECT_FALSE(Exists(L"Sample.Thing.1"));
    EXPECT_FALSE(Exists(kClassKey));
}

TEST_F(Registrar, AKeyThatCannotBeDeletedFailsRemovalButTheRestGoes) {
    ASSERT_TRUE(ApplyRegistration(registry_, script_));
    registry_.DenyWrites(kRoot, kClassKey);

    EXPECT_FALSE(RemoveRegistration(registry_, script_));
    EXPECT_TRUE(Exists(kClassKey));
    EXPECT_FALSE(Exists(L"Sample.Thing.1"));
}

}  // namespace
