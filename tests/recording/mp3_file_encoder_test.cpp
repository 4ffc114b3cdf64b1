#include "recording/files/mp3_file_encoder.h"
#include "tests/recording/lame_be_config.h"
#include "tests/support/scratch_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The program's offsets against the record as LAME publishes it.
static_assert(offsetof(LameBeConfig, dwConfig) == be_config::kConfigKind);
static_assert(offsetof(LameBeConfig, dwStructVersion) == be_config::kStructVersion);
static_assert(offsetof(LameBeConfig, dwStructSize) == be_config::kStructSize);
static_assert(offsetof(LameBeConfig, dwSampleRate) == be_config::kSampleRate);
static_assert(offsetof(LameBeConfig, nMode) == be_config::kMode);
static_assert(offsetof(LameBeConfig, dwBitrate) == be_config::kBitrate);
static_assert(offsetof(LameBeConfig, dwMaxBitrate) == be_config::kMaxBitrate);
static_assert(offsetof(LameBeConfig, nPreset) == be_config::kPreset);
static_assert(offsetof(LameBeConfig, bCRC) == be_config::kCrc);
static_assert(offsetof(LameBeConfig, bOriginal) == be_config::kOriginal);
static_assert(offsetof(LameBeConfig, bWriteVBRHeader) == be_config::kWriteVbrHeader);
static_assert(offsetof(LameBeConfig, bNoRes) == be_config::kNoReservoir);
static_assert(be_config::kLameConfig == kBeConfigLame);
static_assert(be_config::kModeJointStereo == kLameModeJointStereo);
static_assert(be_config::kModeMono == kLameModeMono);

// A library that records what it is asked and "encodes" each chunk as one
// byte per value, so the file shows how the sound was cut.
struct FakeLibrary {
    std::vector<std::uint8_t> config;
    std::vector<std::uint32_t> chunkValues;
    std::uint32_t samplesPerChunk = 8;
    std::uint32_t claimedExtra = 0;  // bytes the library claims beyond what it wrote
    BeError initResult = kBeSuccess;
    int failChunk = -1;
    BeError deinitResult = kBeSuccess;
    int closeCount = 0;
};
FakeLibrary fake;

BeError FakeInit(void* config, std::uint32_t* samples, std::uint32_t* outputSize, BeStream* stream) {
    const auto* bytes = static_cast<const std::uint8_t*>(config);
    fake.config.assign(bytes, bytes + kBeConfigSize);
    *samples = fake.samplesPerChunk;
    *outputSize = 64;
    *stream = 42;
    return fake.initResult;
}
BeError FakeEncode(BeStream stream, std::uint32_t count, const std::int16_t*, std::uint8_t* output,
                   std::uint32_t* produced) {
    if (stream != 42) return 1;
    if (static_cast<int>(fake.chunkValues.size()) == fake.failChunk) return 1;
    fake.chunkValues.push_back(count);
    std::fill(output, output + count, std::uint8_t('e'));
    *produced = count + fake.claimedExtra;
    return kBeSuccess;
}
BeError FakeDeinit(BeStream, std::uint8_t* output, std::uint32_t* produced) {
    output[0] = 'z';
    *produced = 1;
    return fake.deinitResult;
}
BeError FakeCloseStream(BeStream) {
    ++fake.closeCount;
    return kBeSuccess;
}
void FakeVersion(BeVersionRecord*) {}
BeError FakeVbrHeader(const char*) { return kBeSuccess; }

BladeEncTable FakeTable() {
    return {FakeInit, FakeEncode, FakeDeinit, FakeCloseStream, FakeVersion, FakeVbrHeader, nullptr};
}

class Mp3Encoder : public ::testing::Test {
protected:
    void SetUp() override { fake = {}; }
    void TearDown() override { std::filesystem::remove(path_); }

    std::string FileBytes() const { return ReadBytes(path_); }
    Mp3FileEncoder encoder_{[] { return std::optional(FakeTable()); }};
    std::filesystem::path path_ =
        ScratchFolder() /
        (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".mp3");
};

TEST_F(Mp3Encoder, ConfiguresConstant192kWithCrcAndNoReservoir) {
    ASSERT_TRUE(encoder_.Open(path_.wstring(), 44100, 2));
    ASSERT_EQ(fake.config.size(), sizeof(LameBeConfig));
    LameBeConfig expected{};
    expected.dwConfig = kBeConfigLame;
    expected.dwStructVersion = 1;
    expected.dwStructSize = sizeof(LameBeConfig);
    expected.dwSampleRate = 44100;
    expected.nMode = kLameModeJointStereo;
    expected.dwBitrate = 192;
    expected.dwMaxBitrate = 192;
    expected.nPreset = 4;
    expected.bCRC = 1;
    expected.bOriginal = 1;
    expected.bWriteVBRHeader = 1;
    expected.bNoRes = 1;
    const BeConfigBytes expectedBytes = BytesOf(expected);
    EXPECT_EQ(fake.config, std::vector<std::uint8_t>(expectedBytes.begin(), expectedBytes.end()));

    encoder_.Close();
    ASSERT_TRUE(encoder_.Open(path_.wstring(), 48000, 1));
    const LameBeConfig mono = LameConfigOf(fake.config.data());
    EXPECT_EQ(mono.nMode, kLameModeMono);
    EXPECT_EQ(mono.dwSampleRate, 48000u);
    EXPECT_EQ(mono.dwBitrate, 192u);
}

TEST_F(Mp3Encoder, CutsEachBlockIntoWholeChunksAndOneRemainder) {
    ASSERT_TRUE(encoder_.Open(path_.wstring(), 44100, 2));
    const std::vector<std::uint8_t> block(8 * 2 + 2, 0);
    EXPECT_TRUE(encoder_.Encode(block.data(), block.size()));
    EXPECT_EQ(fake.chunkValues, (std::vector<std::uint32_t>{8, 1}));

    fake.chunkValues.clear();
    EXPECT_TRUE(encoder_.Encode(block.data(), 16));
    EXPECT_TRUE(encoder_.Encode(block.data(), 0));
    EXPECT_EQ(fake.chunkValues, (std::vector<std::uint32_t>{8}));

    encoder_.Close();
    EXPECT_EQ(FileBytes(), std::string(8 + 1 + 8, 'e') + "z");
    EXPECT_EQ(fake.closeCount, 1);
}

TEST_F(Mp3Encoder, AFailingChunkEndsTheStreamButKeepsTheFile) {
    ASSERT_TRUE(encoder_.Open(path_.wstring(), 44100, 2));
    fake.failChunk = 1;
    const std::vector<std::uint8_t> block(3 * 16, 0);
    EXPECT_FALSE(encoder_.Encode(block.data(), block.size()));
    EXPECT_EQ(fake.closeCount, 1);
    EXPECT_FALSE(encoder_.Encode(block.data(), block.size()));
    EXPECT_TRUE(encoder_.Exhausted());  // the recording must stop and say so
    encoder_.Close();
    EXPECT_EQ(fake.closeCount, 1);
    EXPECT_EQ(FileBytes(), std::string(8, 'e'));
}

// Lets the process write files up to a size, the way a full disk stops
// writes; undone when it goes.
class FileSizeLimit {
public:
    FileSizeLimit() {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    void Set(rlim_t bytes) {
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    void Lift() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

TEST_F(Mp3Encoder, AFullDiskLosesOnlyWhatCouldNotBeWrittenUntilItKeepsFailing) {
    ASSERT_TRUE(encoder_.Open(path_.wstring(), 44100, 2));
    const std::vector<std::uint8_t> block(3 * 16, 0);
    ASSERT_TRUE(encoder_.Encode(block.data(), block.size()));

    FileSizeLimit disk;
    disk.Set(3 * 8);  // what is written already
    EXPECT_FALSE(encoder_.Encode(block.data(), block.size()));
    EXPECT_EQ(fake.chunkValues.size(), 6u);  // every chunk still went through the encoder
    EXPECT_FALSE(encoder_.Exhausted());

    disk.Lift();
    EXPECT_TRUE(encoder_.Encode(block.data(), block.size()));
    EXPECT_EQ(FileBytes(), std::string(6 * 8, 'e'));

    disk.Set(6 * 8);
    for (int failed = 0; failed < Mp3FileEncoder::kFailedBlocksBeforeGivingUp; ++failed) {
        EXPECT_FALSE(encoder_.Exhausted());
        encoder_.Encode(block.data(), block.size());
    }
    EXPECT_TRUE(encoder_.Exhausted());
    disk.Lift();
    encoder_.Close();
    EXPECT_EQ(FileBytes(), std::string(6 * 8, 'e') + "z");
}

TEST_F(Mp3Encoder, AFailingFlushClosesWithoutTheLastBytes) {
    ASSERT_TRUE(encoder_.Open(path_.wstring(), 44100, 2));
    fake.deinitResult = 1;
    encoder_.Close();
    EXPECT_EQ(fake.closeCount, 1);
    EXPECT_EQ(FileBytes(), "");
}

TEST_F(Mp3Encoder, NeverWritesMoreThanTheOutputBufferHolds) {
    ASSERT_TRUE(encoder_.Open(path_.wstring(), 44100, 2));
    fake.claimedExtra = 1000;
    const std::vector<std::uint8_t> block(16, 0);
    EXPECT_TRUE(encoder_.Encode(block.data(), block.size()));
    encoder_.Close();
    EXPECT_EQ(FileBytes().size(), 64u + 1u);  // the whole output buffer, then the flush
}

TEST_F(Mp3Encoder, OpenFailsWithoutALibraryOrAStream) {
    Mp3FileEncoder missing([] { return std::optional<BladeEncTable>(); });
    EXPECT_FALSE(missing.Open(path_.wstring(), 44100, 2));

    fake.initResult = 1;
    EXPECT_FALSE(encoder_.Open(path_.wstring(), 44100, 2));
    EXPECT_EQ(fake.closeCount, 0);
    EXPECT_FALSE(encoder_.Encode(reinterpret_cast<const std::uint8_t*>("ab"), 2));

    fake.initResult = kBeSuccess;
    EXPECT_FALSE(encoder_.Open((path_.parent_path() / "missing" / "x.mp3").wstring(), 44100, 2));

    // A stream that takes no samples is closed again at once.
    fake.samplesPerChunk = 0;
    EXPECT_FALSE(encoder_.Open(path_.wstring(), 44100, 2));
    EXPECT_EQ(fake.closeCount, 1);
}

TEST(Mp3EncoderLibrary, TheInfoTagIsOptionalTheOtherEntriesAreNot) {
    EXPECT_TRUE(IsEncoderAvailable([] { return std::optional(FakeTable()); }));
    EXPECT_FALSE(IsEncoderAvailable([] { return std::optional<BladeEncTable>(); }));
    EXPECT_FALSE(IsEncoderAvailable([] {
        BladeEncTable table = FakeTable();
        table.version = nullptr;
        return std::optional(table);
    }));
    EXPECT_FALSE(IsEncoderAvailable([] {
        BladeEncTable table = FakeTable();
        table.writeVbrHeader = nullptr;
        return std::optional(table);
    }));
}

}  // namespace
