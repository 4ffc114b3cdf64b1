// lame_enc.dll for the Wine tests: the BladeEnc entry points over the shim
// on Debian's libmp3lame, built by winegcc as a Wine builtin library, so the
// real player records real MP3 under Wine. Test code only; built without
// _WIN32, so that the shim's table keeps the host's calling convention and
// only these entry points take the Windows one.

#include "tests/recording/lame_shim.h"

#include <windef.h>

extern "C" {

BeError __cdecl beInitStream(void* config, std::uint32_t* samplesPerChunk,
                             std::uint32_t* outputSize, BeStream* stream) {
    return LameShimTable().initStream(config, samplesPerChunk, outputSize, stream);
}

BeError __cdecl beEncodeChunk(BeStream stream, std::uint32_t sampleCount,
                              const std::int16_t* samples, std::uint8_t* output,
                              std::uint32_t* produced) {
    return LameShimTable().encodeChunk(stream, sampleCount, samples, output, produced);
}

BeError __cdecl beDeinitStream(BeStream stream, std::uint8_t* output, std::uint32_t* produced) {
    return LameShimTable().deinitStream(stream, output, produced);
}

BeError __cdecl beCloseStream(BeStream stream) { return LameShimTable().closeStream(stream); }

void __cdecl beVersion(BeVersionRecord* version) { LameShimTable().version(version); }

BeError __cdecl beWriteVBRHeader(const char* fileName) {
    return LameShimTable().writeVbrHeader(fileName);
}

}  // extern "C"
