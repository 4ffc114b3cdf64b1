#include "shell/directx_version.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Files = std::map<std::wstring, FileVersion, std::less<>>;

DirectXVersion FromFiles(const Files& files) {
    return DirectXVersionFromFiles([&files](std::wstring_view file) -> std::optional<FileVersion> {
        const auto found = files.find(file);
        if (found == files.end()) return std::nullopt;
        return found->second;
    });
}

std::wstring TextFor(const Files& files) { return FromFiles(files).text; }

TEST(DirectXVersion, ValueAndTextCarryTheLetter) {
    EXPECT_EQ(MakeDirectXVersion(9, 0, 0).value, 0x90000u);
    EXPECT_EQ(MakeDirectXVersion(8, 1, L'b').value, 0x80102u);
    EXPECT_EQ(MakeDirectXVersion(8, 1, L'b').text, L"8.1b");
    EXPECT_EQ(MakeDirectXVersion(0, 0, 0).text, L"0.0");
}

TEST(DirectXVersion, EachRowHoldsFromItsVersionOnAndNotJustBelow) {
    struct Row {
        const wchar_t* file;
        FileVersion atLeast;
        const wchar_t* result;
    };
    const Row rows[] = {
        {L"ddraw.dll", {4, 2, 0, 95}, L"1.0"},     {L"ddraw.dll", {4, 3, 0, 1096}, L"2.0"},
        {L"ddraw.dll", {4, 4, 0, 68}, L"3.0"},     {L"d3drg8x.dll", {4, 4, 0, 70}, L"3.0a"},
        {L"ddraw.dll", {4, 5, 0, 155}, L"5.0"},    {L"ddraw.dll", {4, 6, 0, 318}, L"6.0"},
        {L"ddraw.dll", {4, 6, 0, 436}, L"6.1"},    {L"dplayx.dll", {4, 6, 3, 518}, L"6.1a"},
        {L"ddraw.dll", {4, 7, 0, 700}, L"7.0"},    {L"dinput.dll", {4, 7, 0, 716}, L"7.0a"},
        {L"ddraw.dll", {4, 8, 0, 400}, L"8.0"},    {L"ddraw.dll", {5, 1, 2258, 400}, L"8.0"},
        {L"d3d8.dll", {4, 8, 1, 881}, L"8.1"},     {L"d3d8.dll", {5, 1, 2600, 881}, L"8.1"},
        {L"d3d8.dll", {4, 8, 1, 901}, L"8.1a"},    {L"d3d8.dll", {5, 1, 2600, 901}, L"8.1a"},
        {L"mpg2splt.ax", {6, 3, 1, 885}, L"8.1b"}, {L"dpnet.dll", {4, 9, 0, 134}, L"8.2"},
        {L"dpnet.dll", {5, 2, 3677, 134}, L"8.2"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TextFor({{row.file, row.atLeast}}), row.result) << row.file;
        FileVersion below = row.atLeast;
        --below[3];
        EXPECT_NE(TextFor({{row.file, below}}), row.result) << row.file << L" below";
    }
    EXPECT_EQ(TextFor({{L"d3d9.dll", {0, 0, 0, 0}}}), L"9.0");
    EXPECT_EQ(TextFor({}), L"0.0");
}

TEST(DirectXVersion, TheMajorPartChoosesBetweenThe4xAnd5xThresholds) {
    // 4.9 is past the 4.x threshold but far below the 5.x one: it counts as 4.x.
    EXPECT_EQ(TextFor({{L"ddraw.dll", {4, 9, 0, 0}}}), L"8.0");
    // 5.0 passes the 4.x threshold by comparison, but 5.x files have their own.
    EXPECT_EQ(TextFor({{L"ddraw.dll", {5, 1, 2258, 399}}}), L"7.0");
    EXPECT_EQ(TextFor({{L"ddraw.dll", {6, 0, 0, 0}}}), L"7.0");
}

TEST(DirectXVersion, LaterRowsOverrideAndUnreadableFilesAreSkipped) {
    EXPECT_EQ(TextFor({{L"ddraw.dll", {4, 8, 0, 400}}, {L"d3d9.dll", {5, 3, 0, 1}}}), L"9.0");
    // No d3d8.dll to read: the ddraw.dll row stands.
    EXPECT_EQ(TextFor({{L"ddraw.dll", {5, 1, 2258, 400}}}), L"8.0");
}

TEST(DirectXVersion, OnlyThe9xFamilyBelowNineOrAnUnknownVersionStopsTheRecorder) {
    constexpr std::uint32_t kWindows98 = 0xC0000A04, kWindowsXp = 0x0A280105;
    const DirectXVersion eight = MakeDirectXVersion(8, 1, 0), nine = MakeDirectXVersion(9, 0, 0);
    EXPECT_TRUE(RecorderNeedsDirectX(eight, kWindows98));
    EXPECT_FALSE(RecorderNeedsDirectX(nine, kWindows98));
    EXPECT_FALSE(RecorderNeedsDirectX(eight, kWindowsXp));
    EXPECT_TRUE(RecorderNeedsDirectX(std::nullopt, kWindowsXp));
}

}  // namespace
