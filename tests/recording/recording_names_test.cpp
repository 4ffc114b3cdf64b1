#include "recording/recorder/recording_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

FileExistsFn ExistingFiles(std::set<std::wstring> paths) {
    return [paths = std::move(paths)](const std::wstring& path) { return paths.contains(path); };
}

TEST(NextFreeRecordingName, SkipsNumbersTakenInEitherFormat) {
    const auto exists = ExistingFiles({L"C:\\Rec\\Recording001.mp3", L"C:\\Rec\\Recording002.wav",
                                       L"C:\\Rec\\Recording004.mp3"});
    EXPECT_EQ(NextFreeRecordingName(L"C:\\Rec\\", exists), L"Recording003");
    EXPECT_EQ(NextFreeRecordingName(L"D:\\", exists), L"Recording001");
}

TEST(NextFreeRecordingName, GrowsPastThreeDigitsAndGivesUpAtTheEnd) {
    const auto numbersBelow1000 = [](const std::wstring& path) {
        return std::stoi(path.substr(std::wstring(L"Recording").size())) < 1000;
    };
    EXPECT_EQ(NextFreeRecordingName(L"", numbersBelow1000), L"Recording1000");
    EXPECT_EQ(NextFreeRecordingName(L"", [](const std::wstring&) { return true; }), L"Recording");
}

TEST(WithRecordingExtension, AppendsOnlyAMissingExtension) {
    EXPECT_EQ(WithRecordingExtension(L"C:\\R\\news.mp3", RecordingFileFormat::Mp3), L"C:\\R\\news.mp3");
    EXPECT_EQ(WithRecordingExtension(L"C:\\R\\News.MP3", RecordingFileFormat::Mp3), L"C:\\R\\News.MP3");
    EXPECT_EQ(WithRecordingExtension(L"C:\\R\\news.mp3", RecordingFileFormat::Wav),
              L"C:\\R\\news.mp3.wav");
    EXPECT_EQ(WithRecordingExtension(L"C:\\R\\Recording003", RecordingFileFormat::Wav),
              L"C:\\R\\Recording003.wav");
    // A folder named like a recording does not count as the extension.
    EXPECT_EQ(WithRecordingExtension(L"D:\\old.wav stuff\\My Recordings\\Recording001",
                                     RecordingFileFormat::Wav),
              L"D:\\old.wav stuff\\My Recordings\\Recording001.wav");
}

TEST(RenamedRecordingName, KeepsTheOldExtensionUnlessOneIsTyped) {
    EXPECT_EQ(RenamedRecordingName(L"a.wav", L"take"), L"take.wav");
    EXPECT_EQ(RenamedRecordingName(L"a.wav", L"take.WAV"), L"take.WAV");
    EXPECT_EQ(RenamedRecordingName(L"x.mp3", L"y.wav"), L"y.wav");
    EXPECT_EQ(RenamedRecordingName(L"x.mp3", L"y"), L"y.mp3");
    EXPECT_EQ(RenamedRecordingName(L"x.MP3", L"y.Mp3"), L"y.Mp3");
    EXPECT_EQ(RenamedRecordingName(L"notes.txt", L"n"), L"n");
}

}  // namespace
