// Entry point of the Windows test programs: the XML document and other COM
// objects need COM on the test thread, as they have it in the player.

#include <gtest/gtest.h>

#include <objbase.h>

#include <cstdio>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int result = RUN_ALL_TESTS();
    CoUninitialize();
    // CTest sees one result per program, so a skipped case would pass
    // unnoticed: the test machine is set up to run every case.
    const int skipped = ::testing::UnitTest::GetInstance()->skipped_test_count();
    if (skipped > 0) {
        std::printf("%d case(s) skipped: the program fails\n", skipped);
        result = 1;
    }
    return result;
}
