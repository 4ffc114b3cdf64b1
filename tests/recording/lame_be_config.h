#pragma once
// The LAME encoder library's configuration record, written out a second time
// from LAME's published BladeEnc interface (BE_CONFIG with its "LAME header
// version 1" member, packed to single bytes, 331 bytes in all) rather than
// from the program's offsets. The tests read and build the program's record
// through this struct, so a slipped offset shows as a wrong field. The
// record is little-endian, like every machine the tests run on.

#include "recording/files/bladeenc.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

inline constexpr std::uint32_t kBeConfigLame = 256;
inline constexpr std::int32_t kLameModeJointStereo = 1;
inline constexpr std::int32_t kLameModeMono = 3;

#pragma pack(push, 1)
struct LameBeConfig {
    std::uint32_t dwConfig;  // kBeConfigLame
    std::uint32_t dwStructVersion;
    std::uint32_t dwStructSize;
    std::uint32_t dwSampleRate;
    std::uint32_t dwReSampleRate;
    std::int32_t nMode;
    std::uint32_t dwBitrate;
    std::uint32_t dwMaxBitrate;
    std::int32_t nPreset;
    std::uint32_t dwMpegVersion;
    std::uint32_t dwPsyModel;
    std::uint32_t dwEmphasis;
    std::int32_t bPrivate;
    std::int32_t bCRC;
    std::int32_t bCopyright;
    std::int32_t bOriginal;
    std::int32_t bWriteVBRHeader;
    std::int32_t bEnableVBR;
    std::int32_t nVBRQuality;
    std::uint32_t dwVbrAbr_bps;
    std::int32_t nVbrMethod;
    std::int32_t bNoRes;
    std::int32_t bStrictIso;
    std::uint16_t nQuality;
    std::uint8_t btReserved[255 - 4 * sizeof(std::uint32_t) - sizeof(std::uint16_t)];
};
#pragma pack(pop)

static_assert(sizeof(LameBeConfig) == kBeConfigSize);

inline LameBeConfig LameConfigOf(const void* record) {
    LameBeConfig config;
    std::memcpy(&config, record, sizeof config);
    return config;
}

inline BeConfigBytes BytesOf(const LameBeConfig& config) {
    BeConfigBytes bytes;
    std::memcpy(bytes.data(), &config, sizeof config);
    return bytes;
}
