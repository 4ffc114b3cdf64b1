// The DirectX check behind the recorder button, on the NT family Wine
// presents: the files in the system folder answer it, and the diagnostics,
// which would load the whole 3-D stack into the player, stay unloaded.

#include "shell/get_directx_version.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(GetDirectXVersion, OnNtTheSystemFilesAnswerWithoutTheDiagnostics) {
    ASSERT_FALSE(IsWindows9xFamily(GetVersion()));
    const auto version = GetDirectXVersion();
    ASSERT_TRUE(version);
    EXPECT_GE(version->value, MakeDirectXVersion(9, 0, 0).value) << "found " << version->value;
    EXPECT_FALSE(RecorderNeedsDirectX(version, GetVersion()));
    EXPECT_EQ(GetModuleHandleW(L"dxdiagn.dll"), nullptr) << "the diagnostics were loaded";
    EXPECT_EQ(GetModuleHandleW(L"d3d9.dll"), nullptr) << "the 3-D stack was loaded";
}

}  // namespace
