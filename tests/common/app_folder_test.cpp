#include "common/ports/app_folder.h"

#include <gtest/gtest.h>

TEST(AppFolder, KeepsEverythingUpToTheLastBackslash) {
    EXPECT_EQ(FolderOfPath(L"C:\\Program Files\\VelmoraRadio 3.01 UK\\VelmoraRadio.exe"),
              L"C:\\Program Files\\VelmoraRadio 3.01 UK\\");
    EXPECT_EQ(FolderOfPath(L"C:\\VelmoraRadio.exe"), L"C:\\");
    EXPECT_EQ(FolderOfPath(L"\\\\server\\share\\radio\\VelmoraRadio.exe"),
              L"\\\\server\\share\\radio\\");
    EXPECT_EQ(FolderOfPath(L"VelmoraRadio.exe"), L"");
}
