#include "recording/files/wave_file_writer.h"
#include "tests/support/scratch_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t U32At(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t(std::uint8_t(bytes[offset + i])) << (8 * i);
    return value;
}

std::uint16_t U16At(const std::string& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(std::uint8_t(bytes[offset]) | std::uint8_t(bytes[offset + 1]) << 8);
}

class WaveFile : public ::testing::Test {
protected:
    std::filesystem::path path_ =
        ScratchFolder() /
        (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".wav");
    void TearDown() override { std::filesystem::remove(path_); }
};

TEST_F(WaveFile, AnEmptyRecordingIsTheBareHeader) {
    WaveFileWriter writer;
    ASSERT_EQ(writer.Open(path_.wstring(), {44100, 16, 2}), WaveResult::Ok);
    writer.Close();
    const std::string bytes = ReadAll(path_);
    ASSERT_EQ(bytes.size(), 56u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(U32At(bytes, 4), 48u);
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(U32At(bytes, 16), 16u);
    EXPECT_EQ(U16At(bytes, 20), 1);
    EXPECT_EQ(U16At(bytes, 22), 2);
    EXPECT_EQ(U32At(bytes, 24), 44100u);
    EXPECT_EQ(U32At(bytes, 28), 176400u);
    EXPECT_EQ(U16At(bytes, 32), 4);
    EXPECT_EQ(U16At(bytes, 34), 16);
    EXPECT_EQ(bytes.substr(36, 4), "fact");
    EXPECT_EQ(U32At(bytes, 40), 4u);
    EXPECT_EQ(U32At(bytes, 44), 0u);
    EXPECT_EQ(bytes.substr(48, 4), "data");
    EXPECT_EQ(U32At(bytes, 52), 0u);
}

TEST_F(WaveFile, WhileRecordingTheSizesAreZeroAndTheFactIsAllOnes) {
    WaveFileWriter writer;
    ASSERT_EQ(writer.Open(path_.wstring(), {8000, 8, 1}), WaveResult::Ok);
    const std::uint8_t samples[4096] = {};
    std::size_t written = 0;
    ASSERT_EQ(writer.Write(samples, sizeof samples, written), WaveResult::Ok);
    EXPECT_EQ(written, sizeof samples);
    // What a crash leaves behind: the header as it was written at the start.
    const std::string bytes = ReadAll(path_);
    ASSERT_GE(bytes.size(), 56u);
    EXPECT_EQ(U32At(bytes, 4), 0u);
    EXPECT_EQ(U32At(bytes, 44), 0xFFFFFFFFu);
    EXPECT_EQ(U32At(bytes, 52), 0u);
}

TEST_F(WaveFile, OddSampleCountsArePaddedOutsideTheDataSize) {
    WaveFileWriter writer;
    ASSERT_EQ(writer.Open(path_.wstring(), {8000, 8, 1}), WaveResult::Ok);
    const std::uint8_t samples[] = {0x80, 0x81, 0x82};
    EXPECT_TRUE(writer.WriteSamples(samples, 2));
    EXPECT_TRUE(writer.WriteSamples(samples + 2, 1));
    writer.Close();
    const std::string bytes = ReadAll(path_);
    ASSERT_EQ(bytes.size(), 60u);
    EXPECT_EQ(U32At(bytes, 4), 52u);
    EXPECT_EQ(U32At(bytes, 52), 3u);
    EXPECT_EQ(bytes.substr(56), std::string("\x80\x81\x82\0", 4));
    EXPECT_EQ(U16At(bytes, 32), 1);
    EXPECT_EQ(U32At(bytes, 28), 8000u);
}

TEST_F(WaveFile, ReplacesAnExistingFileAndClosesOnDestruction) {
    std::ofstream(path_) << std::string(1000, 'x');
    {
        WaveFileWriter writer;
        ASSERT_EQ(writer.Open(path_.wstring(), {22050, 16, 1}), WaveResult::Ok);
        const std::uint8_t samples[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        writer.WriteSamples(samples, sizeof samples);
    }
    const std::string bytes = ReadAll(path_);
    ASSERT_EQ(bytes.size(), 66u);
    EXPECT_EQ(U32At(bytes, 4), 58u);
    EXPECT_EQ(U32At(bytes, 52), 10u);
}

TEST_F(WaveFile, AFullFileTakesWholeFramesUpToItsLimitAndKeepsItsHeaderRight) {
    // The real limit is the 32-bit sizes; a small one stands for it here.
    WaveFileWriter writer(10);
    ASSERT_EQ(writer.Open(path_.wstring(), {44100, 16, 2}), WaveResult::Ok);
    const std::string sound(6, 's');
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(sound.data());
    std::size_t written = 0;
    EXPECT_EQ(writer.Write(bytes, 4, written), WaveResult::Ok);
    EXPECT_FALSE(writer.Exhausted());
    EXPECT_EQ(writer.Write(bytes, 6, written), WaveResult::Full);
    EXPECT_EQ(written, 4u);  // two frames of four bytes fit in ten
    EXPECT_TRUE(writer.Exhausted());
    EXPECT_EQ(writer.Write(bytes, 1, written), WaveResult::Full);
    writer.Close();
    const std::string file = ReadAll(path_);
    EXPECT_EQ(file.size(), 56u + 8u);
    EXPECT_EQ(U32At(file, 4), 48u + 8u);
    EXPECT_EQ(U32At(file, 52), 8u);
    // The largest file still has sizes that fit their 32 bits.
    static_assert(std::uint64_t(kMaxWaveDataBytes) + 48 + 1 <= 0xFFFFFFFFu);
}

// A disk that fills up, played by a file size limit on this process: the
// first refused write ends the recording, and the header counts only the
// sound that reached the file.
TEST_F(WaveFile, AFullDiskEndsTheRecordingWithATrueHeader) {
    constexpr rlim_t kDiskRoom = 56 + 10000;
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = before;
    limited.rlim_cur = kDiskRoom;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);

    WaveFileWriter writer;
    ASSERT_EQ(writer.Open(path_.wstring(), {44100, 16, 2}), WaveResult::Ok);
    const std::string block(4410, 's');  // 1/40 s
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(block.data());
    int blocksTaken = 0;
    while (writer.WriteSamples(bytes, block.size()) && blocksTaken < 100) ++blocksTaken;
    EXPECT_TRUE(writer.Exhausted()) << "blocks taken: " << blocksTaken;
    writer.Close();

    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
    const std::string file = ReadAll(path_);
    ASSERT_GE(file.size(), 56u);
    EXPECT_LE(file.size(), kDiskRoom);
    const std::uint32_t dataBytes = U32At(file, 52);
    EXPECT_EQ(dataBytes, file.size() - 56 - dataBytes % 2) << "file of " << file.size() << " bytes";
    EXPECT_EQ(U32At(file, 4), file.size() - 8);
    EXPECT_EQ(U32At(file, 44), 0u);
}

TEST_F(WaveFile, RefusesWritesWhenClosedOrEmpty) {
    WaveFileWriter writer;
    std::size_t written = 7;
    const std::uint8_t sample = 0;
    EXPECT_EQ(writer.Write(&sample, 1, written), WaveResult::NotOpen);
    EXPECT_EQ(written, 0u);
    ASSERT_EQ(writer.Open(path_.wstring(), {8000, 8, 1}), WaveResult::Ok);
    EXPECT_EQ(writer.Write(nullptr, 1, written), WaveResult::InvalidArgument);
    EXPECT_EQ(writer.Write(&sample, 0, written), WaveResult::InvalidArgument);
    EXPECT_EQ(writer.Open((path_.parent_path() / "no-such-folder" / "x.wav").wstring(), {8000, 8, 1}),
              WaveResult::OpenFailed);
}

}  // namespace
