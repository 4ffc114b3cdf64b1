// A real MP3 through Mp3FileEncoder: libmp3lame behind the BladeEnc table,
// checked frame by frame and decoded again with libmpg123.

#include "recording/files/mp3_file_encoder.h"
#include "tests/recording/lame_shim.h"
#include "tests/support/scratch_file.h"

#include <mpg123.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;

std::vector<std::uint8_t> ToneBlock(int frames, int channels, int& phase) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < frames; ++i, ++phase) {
        const auto value = static_cast<std::int16_t>(
            12000 * std::sin(2 * std::numbers::pi * 1000 * phase / kRate));
        for (int c = 0; c < channels; ++c) {
            bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
            bytes.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
        }
    }
    return bytes;
}

std::vector<std::uint8_t> EncodeTone(const std::filesystem::path& path, int channels) {
    Mp3FileEncoder encoder([] { return std::optional(LameShimTable()); });
    EXPECT_TRUE(encoder.Open(path.wstring(), kRate, static_cast<std::uint16_t>(channels)));
    int phase = 0;
    // Two seconds in the capture engine's blocks of an eighth of a second.
    for (int block = 0; block < 16; ++block) {
        const auto bytes = ToneBlock(kRate / 8, channels, phase);
        EXPECT_TRUE(encoder.Encode(bytes.data(), bytes.size()));
    }
    encoder.Close();
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct Decoded {
    long rate = 0;
    int channels = 0;
    mpg123_frameinfo info{};
    std::vector<short> samples;
};

Decoded Decode(const std::filesystem::path& path) {
    Decoded decoded;
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    if (mpg123_open(handle, path.c_str()) == MPG123_OK) {
        int encoding = 0;
        mpg123_getformat(handle, &decoded.rate, &decoded.channels, &encoding);
        mpg123_info(handle, &decoded.info);
        std::vector<unsigned char> buffer(16384);
        std::size_t done = 0;
        int result = MPG123_OK;
        while (result == MPG123_OK || result == MPG123_NEW_FORMAT) {
            result = mpg123_read(handle, buffer.data(), buffer.size(), &done);
            const auto* values = reinterpret_cast<const short*>(buffer.data());
            decoded.samples.insert(decoded.samples.end(), values, values + done / 2);
        }
        mpg123_close(handle);
    }
    mpg123_delete(handle);
    return decoded;
}

double Rms(const std::vector<short>& samples) {
    double sum = 0;
    for (short s : samples) sum += double(s) * s;
    return samples.empty() ? 0 : std::sqrt(sum / samples.size());
}

class LameEncoding : public ::testing::Test {
protected:
    static void SetUpTestSuite() { mpg123_init(); }
    void TearDown() override { std::filesystem::remove(path_); }
    std::filesystem::path path_ =
        ScratchFolder() /
        (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".mp3");
};

TEST_F(LameEncoding, StereoToneBecomesMpeg1LayerThreeAt192WithCrc) {
    const auto bytes = EncodeTone(path_, 2);
    ASSERT_GT(bytes.size(), 4u);
    // The first frame header: sync, MPEG-1, Layer III, protection bit clear
    // (a CRC follows), bitrate index 11 (192 kbit/s), 44100 Hz.
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFA);
    EXPECT_EQ(bytes[2] >> 4, 11);
    EXPECT_EQ((bytes[2] >> 2) & 3, 0);
    // About two seconds at 192 kbit/s.
    EXPECT_NEAR(double(bytes.size()), 2 * 192000 / 8, 4000);

    const Decoded decoded = Decode(path_);
    EXPECT_EQ(decoded.rate, kRate);
    EXPECT_EQ(decoded.channels, 2);
    EXPECT_EQ(decoded.info.version, MPG123_1_0);
    EXPECT_EQ(decoded.info.layer, 3);
    EXPECT_EQ(decoded.info.bitrate, 192);
    EXPECT_EQ(decoded.info.vbr, MPG123_CBR);
    EXPECT_TRUE(decoded.info.flags & MPG123_CRC);
    EXPECT_NEAR(double(decoded.samples.size()), 2.0 * 2 * kRate, 2 * 2 * 1152 * 2);
    EXPECT_GT(Rms(decoded.samples), 6000);
}

TEST_F(LameEncoding, MonoToneIsMonoAt192) {
    EncodeTone(path_, 1);
    const Decoded decoded = Decode(path_);
    EXPECT_EQ(decoded.channels, 1);
    EXPECT_EQ(decoded.info.mode, MPG123_M_MONO);
    EXPECT_EQ(decoded.info.bitrate, 192);
    EXPECT_GT(Rms(decoded.samples), 6000);
}

}  // namespace
