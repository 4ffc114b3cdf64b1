// A stand-in for lame_enc.dll in the Wine tests: the BladeEnc entry points
// with a recognisable "encoding" (each chunk becomes "FAKE" and its value
// count), so a test can see how the encoder cut the sound. The .def file of
// each build decides which entry points the library exports.

#include "recording/files/bladeenc.h"
#include "tests/recording/lame_be_config.h"

#include <cstring>

namespace {

constexpr std::uint32_t kSamplesPerChunk = 2304;
constexpr std::uint32_t kOutputSize = 64;
constexpr BeStream kStream = 0x5EED;

void PutChunk(std::uint8_t* output, const char* tag, std::uint32_t count, std::uint32_t* produced) {
    std::memcpy(output, tag, 4);
    for (int i = 0; i < 4; ++i) output[4 + i] = std::uint8_t(count >> (8 * i));
    *produced = 8;
}

}  // namespace

extern "C" {

BeError __cdecl beInitStream(void* config, std::uint32_t* samplesPerChunk,
                             std::uint32_t* outputBufferSize, BeStream* stream) {
    if (LameConfigOf(config).dwStructSize != sizeof(LameBeConfig)) return 1;
    *samplesPerChunk = kSamplesPerChunk;
    *outputBufferSize = kOutputSize;
    *stream = kStream;
    return kBeSuccess;
}

BeError __cdecl beEncodeChunk(BeStream stream, std::uint32_t sampleCount, const std::int16_t*,
                              std::uint8_t* output, std::uint32_t* produced) {
    if (stream != kStream || sampleCount > kSamplesPerChunk) return 1;
    PutChunk(output, "FAKE", sampleCount, produced);
    return kBeSuccess;
}

BeError __cdecl beDeinitStream(BeStream stream, std::uint8_t* output, std::uint32_t* produced) {
    if (stream != kStream) return 1;
    PutChunk(output, "DONE", 0, produced);
    return kBeSuccess;
}

BeError __cdecl beCloseStream(BeStream stream) { return stream == kStream ? kBeSuccess : 1; }

void __cdecl beVersion(BeVersionRecord*) {}

BeError __cdecl beWriteVBRHeader(const char*) { return kBeSuccess; }

BeError __cdecl beWriteInfoTag(BeStream, const char*) { return kBeSuccess; }
}
