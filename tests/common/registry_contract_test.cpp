// What callers rely on from the registry; run against the in-memory registry
// and against advapi32, so the unit tests' registry behaves like the real one.

#include "tests/common/registry_under_test.h"

#include <gtest/gtest.h>

namespace {

constexpr auto kUser = RegistryRoot::CurrentUser;

class RegistryContract : public ::testing::Test {
protected:
    void SetUp() override {
        registry_ = MakeRegistryUnderTest();
        registry_->DeleteKeyTree(kUser, kScratchKey);
    }
    void TearDown() override { registry_->DeleteKeyTree(kUser, kScratchKey); }

    std::wstring Path(const wchar_t* below) const { return std::wstring(kScratchKey) + L"\\" + below; }

    std::unique_ptr<Registry> registry_;
};

TEST_F(RegistryContract, CreateKeyMakesEveryMissingLevel) {
    EXPECT_EQ(registry_->OpenKey(kUser, Path(L"a"), false), nullptr);
    ASSERT_NE(registry_->CreateKey(kUser, Path(L"a\\b\\c")), nullptr);
    EXPECT_NE(registry_->OpenKey(kUser, Path(L"a"), false), nullptr);
    EXPECT_NE(registry_->OpenKey(kUser, Path(L"a\\b\\c"), true), nullptr);
    // Creating an existing key opens it.
    EXPECT_NE(registry_->CreateKey(kUser, Path(L"a\\b")), nullptr);
}

TEST_F(RegistryContract, ValuesRoundTripAndOverwrite) {
    auto key = registry_->CreateKey(kUser, kScratchKey);
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->WriteString(L"Radio directory", L"C:\\Program Files\\Velmora\\"));
    EXPECT_TRUE(key->WriteDword(L"Play", 1));
    EXPECT_TRUE(key->WriteDword(L"Play", 0xFFFFFFFFu));
    EXPECT_TRUE(key->WriteString(L"Empty", L""));
    EXPECT_TRUE(key->WriteString(L"", L"default"));
    EXPECT_TRUE(key->WriteString(L"Text", L"Z\u00FCrich \u20AC \u6771\u4EAC"));

    auto again = registry_->OpenKey(kUser, kScratchKey, false);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->ReadString(L"Radio directory"), L"C:\\Program Files\\Velmora\\");
    EXPECT_EQ(again->ReadDword(L"Play"), 0xFFFFFFFFu);
    EXPECT_EQ(again->ReadString(L"Empty"), L"");
    EXPECT_EQ(again->ReadString(L""), L"default");
    EXPECT_EQ(again->ReadString(L"Text"), L"Z\u00FCrich \u20AC \u6771\u4EAC");
}

TEST_F(RegistryContract, MissingValuesAndOtherTypesReadAsNothing) {
    auto key = registry_->CreateKey(kUser, kScratchKey);
    ASSERT_NE(key, nullptr);
    key->WriteDword(L"Number", 7);
    key->WriteString(L"Words", L"7");
    EXPECT_EQ(key->ReadString(L"Number"), std::nullopt);
    EXPECT_EQ(key->ReadDword(L"Words"), std::nullopt);
    EXPECT_EQ(key->ReadString(L"Nothing"), std::nullopt);
    EXPECT_EQ(key->ReadDword(L"Nothing"), std::nullopt);
}

TEST_F(RegistryContract, NamesIgnoreCase) {
    ASSERT_NE(registry_->CreateKey(kUser, Path(L"Mixed Case")), nullptr);
    auto key = registry_->OpenKey(kUser, Path(L"MIXED case"), true);
    ASSERT_NE(key, nullptr);
    key->WriteString(L"Last Launch", L"2006:3:7");
    EXPECT_EQ(key->ReadString(L"LAST LAUNCH"), L"2006:3:7");
    key->WriteString(L"last launch", L"2006:3:8");
    EXPECT_EQ(key->ReadString(L"Last Launch"), L"2006:3:8");
}

TEST_F(RegistryContract, DeleteValueRemovesOnlyThatValue) {
    auto key = registry_->CreateKey(kUser, kScratchKey);
    ASSERT_NE(key, nullptr);
    key->WriteString(L"Tarnel-Net Player", L"x");
    key->WriteString(L"Other", L"y");
    EXPECT_TRUE(key->DeleteValue(L"Tarnel-Net Player"));
    EXPECT_FALSE(key->DeleteValue(L"Tarnel-Net Player"));
    EXPECT_EQ(key->ReadString(L"Tarnel-Net Player"), std::nullopt);
    EXPECT_EQ(key->ReadString(L"Other"), L"y");
}

TEST_F(RegistryContract, DeleteKeyTreeTakesSubkeysAlongAndLeavesSiblings) {
    registry_->CreateKey(kUser, Path(L"player\\sub\\deeper"))->WriteString(L"v", L"1");
    registry_->CreateKey(kUser, Path(L"player"))->WriteDword(L"Play", 1);
    registry_->CreateKey(kUser, Path(L"sibling"));

    EXPECT_TRUE(registry_->DeleteKeyTree(kUser, Path(L"player")));
    EXPECT_EQ(registry_->OpenKey(kUser, Path(L"player"), false), nullptr);
    EXPECT_EQ(registry_->OpenKey(kUser, Path(L"player\\sub\\deeper"), false), nullptr);
    EXPECT_NE(registry_->OpenKey(kUser, Path(L"sibling"), false), nullptr);
    EXPECT_FALSE(registry_->DeleteKeyTree(kUser, Path(L"player")));
}

TEST_F(RegistryContract, HasSubkeysCountsKeysButNotValues) {
    auto key = registry_->CreateKey(kUser, kScratchKey);
    ASSERT_NE(key, nullptr);
    key->WriteString(L"", L"default");
    key->WriteDword(L"Play", 1);
    EXPECT_FALSE(key->HasSubkeys());

    ASSERT_NE(registry_->CreateKey(kUser, Path(L"child\\grandchild")), nullptr);
    EXPECT_TRUE(key->HasSubkeys());
    EXPECT_TRUE(registry_->OpenKey(kUser, Path(L"child"), false)->HasSubkeys());

    registry_->DeleteKeyTree(kUser, Path(L"child"));
    EXPECT_FALSE(key->HasSubkeys());
}

}  // namespace
