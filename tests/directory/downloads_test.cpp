// Downloads into files and texts: only a whole 2xx answer counts, and a
// failed download never damages the copy already on disk.

#include "directory/data_files_memory.h"
#include "directory/download_temporary_name.h"
#include "directory/downloads.h"
#include "tests/directory/fake_http_client.h"

#include <gtest/gtest.h>

namespace {

const std::wstring kUrl = L"http://site/stations.xml";
const std::wstring kPath = L"C:\\Radio\\radio_pal_stations.xml";

class Downloads : public ::testing::Test {
protected:
    void SetUp() override { files_.CreateFolder(L"C:\\Radio"); }

    FakeHttpClient http_;
    MemoryDataFiles files_;
    Downloader downloader_{http_, files_};
};

TEST_F(Downloads, AWholeAnswerReplacesTheFile) {
    files_.Put(kPath, "old");
    http_.Answer(kUrl, 200, std::string(1500, 'x'));
    EXPECT_EQ(downloader_.DownloadToFile(kUrl, kPath), L"yes");
    EXPECT_EQ(files_.Read(kPath), std::string(1500, 'x'));
    EXPECT_EQ(files_.Paths(), std::set<std::wstring>{kPath});
}

TEST_F(Downloads, AnEmptyAnswerKeepsTheOldFile) {
    for (unsigned status : {200u, 204u}) {
        SCOPED_TRACE(status);
        files_.Put(kPath, "<root>good</root>");
        http_.Answer(kUrl, status, "");
        EXPECT_NE(downloader_.DownloadToFile(kUrl, kPath), L"yes");
        EXPECT_EQ(files_.Read(kPath), "<root>good</root>");
        EXPECT_EQ(files_.Paths(), std::set<std::wstring>{kPath});
    }
}

TEST_F(Downloads, AnErrorStatusKeepsTheOldFile) {
    for (unsigned status : {404u, 500u, 302u, 199u}) {
        SCOPED_TRACE(status);
        files_.Put(kPath, "<root>good</root>");
        http_.Answer(kUrl, status, "<html>error page</html>");
        const std::wstring result = downloader_.DownloadToFile(kUrl, kPath);
        EXPECT_NE(result, L"yes");
        EXPECT_NE(result.find(std::to_wstring(status)), std::wstring::npos) << result;
        EXPECT_EQ(files_.Read(kPath), "<root>good</root>");
    }
}

TEST_F(Downloads, AnAnswerCutShortKeepsTheOldFile) {
    files_.Put(kPath, "good");
    http_.Answer(kUrl, 200, std::string(2000, 'x'), 700);
    EXPECT_NE(downloader_.DownloadToFile(kUrl, kPath), L"yes");
    EXPECT_EQ(files_.Read(kPath), "good");
}

TEST_F(Downloads, NoServerKeepsTheOldFileAndNoFileAppears) {
    EXPECT_EQ(downloader_.DownloadToFile(kUrl, kPath),
              L"The server name or address could not be resolved");
    EXPECT_FALSE(files_.Exists(kPath));
}

TEST_F(Downloads, AWriteFailureStopsTheTransferAndKeepsTheOldFile) {
    files_.Put(kPath, "good");
    files_.LimitWrites(10);
    http_.Answer(kUrl, 200, std::string(100, 'x'));
    EXPECT_NE(downloader_.DownloadToFile(kUrl, kPath), L"yes");
    EXPECT_EQ(files_.Read(kPath), "good");
}

TEST_F(Downloads, AFileInAMissingFolderFails) {
    http_.Answer(L"http://site/flags/nl.bmp", 200, "BM");
    EXPECT_NE(downloader_.DownloadToFile(L"http://site/flags/nl.bmp", L"C:\\Radio\\Flags\\nl.bmp"),
              L"yes");
    EXPECT_TRUE(http_.Requests().empty());
}

TEST_F(Downloads, OnlyWebAddressesAreFetched) {
    std::wstring text;
    for (const wchar_t* url : {L"file:///C:/Windows/win.ini", L"ftp://site/x", L"C:\\x.txt", L""}) {
        EXPECT_NE(downloader_.DownloadToText(url, text), L"yes") << url;
        EXPECT_NE(downloader_.DownloadToFile(url, kPath), L"yes") << url;
    }
    EXPECT_TRUE(http_.Requests().empty());
    http_.Answer(L"HTTPS://site/a", 200, "a");
    EXPECT_EQ(downloader_.DownloadToText(L"HTTPS://site/a", text), L"yes");
}

TEST_F(Downloads, TextIsAppendedAsAnsiOnlyOnSuccess) {
    std::wstring text = L"> ";
    http_.Answer(kUrl, 200, "Caf\xe9 \x80 5");
    EXPECT_EQ(downloader_.DownloadToText(kUrl, text), L"yes");
    EXPECT_EQ(text, L"> Caf\u00e9 \u20ac 5");
    http_.Answer(kUrl, 500, "error");
    EXPECT_NE(downloader_.DownloadToText(kUrl, text), L"yes");
    EXPECT_EQ(text, L"> Caf\u00e9 \u20ac 5");
}

TEST_F(Downloads, ATextLongerThanAPageCouldBeIsRefused) {
    std::wstring text = L"kept";
    http_.Answer(kUrl, 200, std::string(kMaxDownloadTextBytes, 'x'));
    EXPECT_EQ(downloader_.DownloadToText(kUrl, text), L"yes");
    EXPECT_EQ(text.size(), 4 + kMaxDownloadTextBytes);
    text = L"kept";
    // Announced as this long; a stream would announce nothing and never end.
    http_.Answer(kUrl, 200, std::string(kMaxDownloadTextBytes + 1, 'x'));
    EXPECT_NE(downloader_.DownloadToText(kUrl, text), L"yes");
    EXPECT_EQ(text, L"kept");
}

TEST_F(Downloads, AFileLongerThanTheDataCouldBeIsRefusedAndTheOldOneKept) {
    files_.Put(kPath, "<root>good</root>");
    http_.Answer(kUrl, 200, std::string(kMaxDownloadFileBytes + 1, 'x'));
    EXPECT_NE(downloader_.DownloadToFile(kUrl, kPath), L"yes");
    EXPECT_EQ(files_.Read(kPath), "<root>good</root>");
    EXPECT_EQ(files_.Paths(), std::set<std::wstring>{kPath});
}

TEST_F(Downloads, ErrorTextsAreCutTo254Characters) {
    const std::wstring longUrl = L"http://site/" + std::wstring(400, L'a');
    std::wstring text;
    EXPECT_EQ(downloader_.DownloadToText(L"gopher://" + std::wstring(400, L'a'), text).size(),
              kMaxDownloadErrorLength);
    http_.Answer(longUrl, 200, "x");
    const std::wstring path = L"C:\\Missing\\" + std::wstring(300, L'b');
    EXPECT_EQ(downloader_.DownloadToFile(longUrl, path).size(), kMaxDownloadErrorLength);
}

TEST(DownloadTemporaryName, OnlyTheNamesOfUnfinishedDownloadsMatch) {
    for (const wchar_t* name : {L"vrd1.tmp", L"vrd1A2F.tmp", L"VRDBEEF.TMP", L"vrdc0de.Tmp"}) {
        EXPECT_TRUE(IsDownloadTemporaryName(name)) << name;
    }
    for (const wchar_t* name : {L"vrd.tmp", L"vrd12345.tmp", L"vrdnote.tmp", L"vrd12.xml",
                                L"vrd12.tmp.xml", L"xvrd12.tmp", L"links.xml", L"~vrd1.tmp"}) {
        EXPECT_FALSE(IsDownloadTemporaryName(name)) << name;
    }
}

}  // namespace
