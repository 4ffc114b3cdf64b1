// What Plinden.dll carries besides code: the icon the toolbar button shows,
// its name string, the type library and script, and the version resource
// that tells installers it registers itself.

#include "tests/support/player_process.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

#pragma pack(push, 2)
struct IconGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

constexpr WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

class PlindenResources : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExW(Path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override { FreeLibrary(module_); }

    static std::wstring Path() { return TestProgramFolder() + L"Plinden.dll"; }

    HMODULE module_ = nullptr;
};

TEST_F(PlindenResources, IconGroup110HoldsTheTenImages) {
    HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(110), MAKEINTRESOURCEW(14));
    ASSERT_NE(found, nullptr);
    const auto* header = static_cast<const IconGroupHeader*>(
        LockResource(LoadResource(module_, found)));
    ASSERT_NE(header, nullptr);
    ASSERT_GE(SizeofResource(module_, found),
              sizeof(IconGroupHeader) + header->count * sizeof(IconGroupEntry));
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(header + 1);

    std::vector<std::pair<int, int>> images;  // size in pixels, bits per pixel
    for (WORD i = 0; i < header->count; ++i) {
        EXPECT_EQ(entries[i].width, entries[i].height);
        images.emplace_back(entries[i].width, entries[i].bitCount);
    }
    EXPECT_EQ(images, (std::vector<std::pair<int, int>>{
                          {32, 8}, {24, 8}, {16, 8}, {96, 32}, {72, 32},
                          {64, 32}, {48, 32}, {32, 32}, {24, 32}, {16, 32}}));

    HICON icon = static_cast<HICON>(LoadImageW(module_, MAKEINTRESOURCEW(110), IMAGE_ICON, 16,
                                               16, 0));
    EXPECT_NE(icon, nullptr);
    DestroyIcon(icon);
}

TEST_F(PlindenResources, NameTypeLibraryAndScriptAreThere) {
    wchar_t name[32] = {};
    EXPECT_EQ(LoadStringW(module_, 100, name, 32), 7);
    EXPECT_STREQ(name, L"Plinden");
    EXPECT_NE(FindResourceExW(module_, L"TYPELIB", MAKEINTRESOURCEW(1), kEnglishUs), nullptr);
    EXPECT_NE(FindResourceW(module_, MAKEINTRESOURCEW(102), L"REGISTRY"), nullptr);
}

TEST_F(PlindenResources, VersionResourceNamesTheModuleAndOffersSelfRegistration) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(Path().c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(Path().c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(1, 0));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(1, 0));

    auto text = [&](const wchar_t* name) -> std::wstring {
        wchar_t* value = nullptr;
        UINT chars = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
        if (!VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value),
                            &chars) ||
            !value) {
            return L"<missing>";
        }
        return value;
    };
    EXPECT_EQ(text(L"OriginalFilename"), L"Plinden.DLL");
    EXPECT_EQ(text(L"FileDescription"), L"Plinden Module");
    EXPECT_EQ(text(L"ProductName"), L"Plinden Module");
    EXPECT_EQ(text(L"OLESelfRegister"), L"");
}

}  // namespace
