#include "common/helpers/plain_file_name.h"

#include <gtest/gtest.h>

TEST(PlainFileName, NamesInsideTheFolderPass) {
    for (const wchar_t* name : {L"nl.bmp", L"united kingdom.bmp", L"be", L"console.bmp",
                                L"com10.bmp", L"a.b.bmp", L"nl..bmp", L"Best..Of.mp3",
                                L"COM\u00b4.bmp", L"..a"}) {
        EXPECT_TRUE(IsPlainFileName(name)) << name;
    }
}

TEST(PlainFileName, NamesThatLeaveTheFolderOrReachADeviceAreRefused) {
    for (const wchar_t* name :
         {L"", L"..", L"..\\VelmoraRadio.exe", L"../links.xml", L"sub\\nl.bmp", L"sub/nl.bmp",
          L"C:\\Windows\\win.ini", L"C:nl.bmp", L"\\\\server\\share\\x.bmp", L".",
          L"nl.bmp.", L"nl.bmp ", L"nl?.bmp", L"nl*.bmp", L"a|b", L"a\"b", L"a<b", L"a>b",
          L"tab\t.bmp", L"NUL", L"nul.bmp", L"Con", L"aux.txt", L"PRN .bmp", L"COM1.bmp",
          L"lpt9", L"CONIN$", L"COM\u00b9", L"lpt\u00b2.bmp", L"Com\u00b3 .wav"}) {
        EXPECT_FALSE(IsPlainFileName(name)) << name;
    }
}
