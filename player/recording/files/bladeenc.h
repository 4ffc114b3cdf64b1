#pragma once
// The BladeEnc-style interface of the LAME encoder library: its seven entry
// points and its 331-byte configuration record. The product takes the table
// from lame_enc.dll (lame_enc_library.h); host tests from a shim over
// libmp3lame or from a fake.

#include <array>
#include <cstdint>
#include <optional>

using BeError = std::uint32_t;
inline constexpr BeError kBeSuccess = 0;

// The library hands out a 32-bit handle in some builds and a pointer-sized
// one in others; a zeroed pointer-sized slot takes either.
using BeStream = std::uintptr_t;

inline constexpr std::size_t kBeConfigSize = 331;
using BeConfigBytes = std::array<std::uint8_t, kBeConfigSize>;

struct BeVersionRecord;  // filled by beVersion, which the program never calls

#if defined(_WIN32)
#define BLADEENC_CALL __cdecl
#else
#define BLADEENC_CALL
#endif

extern "C" {
using BeInitStreamFn = BeError(BLADEENC_CALL*)(void* config, std::uint32_t* samplesPerChunk,
                                               std::uint32_t* outputBufferSize, BeStream* stream);
using BeEncodeChunkFn = BeError(BLADEENC_CALL*)(BeStream stream, std::uint32_t sampleCount,
                                                const std::int16_t* samples, std::uint8_t* output,
                                                std::uint32_t* produced);
using BeDeinitStreamFn = BeError(BLADEENC_CALL*)(BeStream stream, std::uint8_t* output,
                                                 std::uint32_t* produced);
using BeCloseStreamFn = BeError(BLADEENC_CALL*)(BeStream stream);
using BeVersionFn = void(BLADEENC_CALL*)(BeVersionRecord* version);
using BeWriteVbrHeaderFn = BeError(BLADEENC_CALL*)(const char* fileName);
using BeWriteInfoTagFn = BeError(BLADEENC_CALL*)(BeStream stream, const char* fileName);
}

// Entry points resolved by name. beWriteInfoTag came late to the library and
// may be missing; the other six must be there.
struct BladeEncTable {
    BeInitStreamFn initStream = nullptr;
    BeEncodeChunkFn encodeChunk = nullptr;
    BeDeinitStreamFn deinitStream = nullptr;
    BeCloseStreamFn closeStream = nullptr;
    BeVersionFn version = nullptr;
    BeWriteVbrHeaderFn writeVbrHeader = nullptr;
    BeWriteInfoTagFn writeInfoTag = nullptr;

    bool HasRequiredEntries() const {
        return initStream && encodeChunk && deinitStream && closeStream && version &&
               writeVbrHeader;
    }
};

// Constant 192 kbit/s MPEG-1 Layer III with CRC, "original" set, no bit
// reservoir; mono for one channel, joint stereo otherwise.
BeConfigBytes BladeEncConfig(std::uint32_t sampleRate, std::uint16_t channels);

// Offsets of the fields the program sets.
namespace be_config {
inline constexpr std::size_t kConfigKind = 0;
inline constexpr std::size_t kStructVersion = 4;
inline constexpr std::size_t kStructSize = 8;
inline constexpr std::size_t kSampleRate = 12;
inline constexpr std::size_t kMode = 20;
inline constexpr std::size_t kBitrate = 24;
inline constexpr std::size_t kMaxBitrate = 28;
inline constexpr std::size_t kPreset = 32;
inline constexpr std::size_t kCrc = 52;
inline constexpr std::size_t kOriginal = 60;
inline constexpr std::size_t kWriteVbrHeader = 64;
inline constexpr std::size_t kNoReservoir = 84;

inline constexpr std::uint32_t kLameConfig = 256;
inline constexpr std::uint32_t kModeJointStereo = 1;
inline constexpr std::uint32_t kModeMono = 3;
}  // namespace be_config
