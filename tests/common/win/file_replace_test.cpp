// Putting a new version in place on Windows. Setup's grants cannot be made
// under Wine, which keeps no access lists, but a reader holding the file open
// without letting it be deleted has the move refused the same way
// (ERROR_ACCESS_DENIED), and so takes the same road: the new version is
// copied into the file itself.

#include "common/helpers/scoped_handle.h"
#include "common/ports/file_replace.h"
#include "tests/support/scratch_file.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

DWORD FileIndexOf(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION information{};
    GetFileInformationByHandle(file, &information);
    return information.nFileIndexLow;
}

TEST(FileReplace, AMoveRefusedCopiesTheNewVersionIntoTheFileItself) {
    const std::wstring target = ScratchFile(L"replace-refused.xml");
    WriteBytes(target, "<root>the old version, longer than the new one</root>");
    const std::wstring replacement = ReplacementName(target);
    WriteBytes(replacement, "<root>new</root>");
    ScopedHandle reader(CreateFileW(target.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(reader);
    ASSERT_FALSE(MoveFileExW(replacement.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING));
    ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));

    EXPECT_TRUE(ReplaceFileWith(replacement, target));
    EXPECT_EQ(ReadBytes(target), "<root>new</root>");
    EXPECT_FALSE(std::filesystem::exists(replacement));
    EXPECT_FALSE(std::filesystem::exists(WaitingName(target)));
    // Still the file the reader holds, and with it the access setup gave it.
    ScopedHandle after(CreateFileW(target.c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_EQ(FileIndexOf(after.Get()), FileIndexOf(reader.Get()));
}

// A reader that lets no one write keeps the file as it is; the new version
// stays where it was written, for the caller to try again or drop.
TEST(FileReplace, AFileNoOneMayWriteIsLeftAsItWas) {
    const std::wstring target = ScratchFile(L"replace-locked.xml");
    WriteBytes(target, "<root>old</root>");
    const std::wstring replacement = ReplacementName(target);
    WriteBytes(replacement, "<root>new</root>");
    ScopedHandle reader(CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(reader);

    EXPECT_FALSE(ReplaceFileWith(replacement, target));
    reader.Close();
    EXPECT_EQ(ReadBytes(target), "<root>old</root>");
    EXPECT_EQ(ReadBytes(replacement), "<root>new</root>");
    EXPECT_FALSE(std::filesystem::exists(WaitingName(target)));
}

}  // namespace
