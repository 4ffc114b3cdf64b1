#include "tests/recording/lame_shim.h"

#include "tests/recording/lame_be_config.h"

#include <lame/lame.h>

namespace {

// What one stream handle stands for.
struct ShimStream {
    lame_global_flags* flags = nullptr;
    int channels = 2;
    std::uint32_t outputSize = 0;
};

constexpr BeError kShimFailure = 1;

ShimStream* StreamOf(BeStream stream) { return reinterpret_cast<ShimStream*>(stream); }

BeError ShimInit(void* config, std::uint32_t* samplesPerChunk, std::uint32_t* outputSize,
                 BeStream* stream) {
    const LameBeConfig lame = LameConfigOf(config);
    if (lame.dwConfig != kBeConfigLame || lame.dwStructSize != sizeof(LameBeConfig)) {
        return kShimFailure;
    }
    auto* shim = new ShimStream;
    shim->channels = lame.nMode == kLameModeMono ? 1 : 2;
    shim->flags = lame_init();
    lame_set_in_samplerate(shim->flags, static_cast<int>(lame.dwSampleRate));
    lame_set_num_channels(shim->flags, shim->channels);
    lame_set_mode(shim->flags, shim->channels == 1 ? MONO : JOINT_STEREO);
    lame_set_VBR(shim->flags, vbr_off);
    lame_set_brate(shim->flags, static_cast<int>(lame.dwBitrate));
    lame_set_error_protection(shim->flags, lame.bCRC);
    lame_set_original(shim->flags, lame.bOriginal);
    lame_set_disable_reservoir(shim->flags, lame.bNoRes);
    lame_set_bWriteVbrTag(shim->flags, 0);
    lame_set_write_id3tag_automatic(shim->flags, 0);
    if (lame_init_params(shim->flags) < 0) {
        lame_close(shim->flags);
        delete shim;
        return kShimFailure;
    }
    const std::uint32_t frameSamples = static_cast<std::uint32_t>(lame_get_framesize(shim->flags));
    *samplesPerChunk = frameSamples * static_cast<std::uint32_t>(shim->channels);
    // libmp3lame's own advice for the worst case of one call.
    shim->outputSize = frameSamples * 5 / 4 + 7200;
    *outputSize = shim->outputSize;
    *stream = reinterpret_cast<BeStream>(shim);
    return kBeSuccess;
}

BeError ShimEncode(BeStream stream, std::uint32_t sampleCount, const std::int16_t* samples,
                   std::uint8_t* output, std::uint32_t* produced) {
    ShimStream* shim = StreamOf(stream);
    const int frames = static_cast<int>(sampleCount) / shim->channels;
    auto* pcm = const_cast<short*>(samples);
    const int size = static_cast<int>(shim->outputSize);
    const int result = shim->channels == 1
                           ? lame_encode_buffer(shim->flags, pcm, pcm, frames, output, size)
                           : lame_encode_buffer_interleaved(shim->flags, pcm, frames, output, size);
    if (result < 0) return kShimFailure;
    *produced = static_cast<std::uint32_t>(result);
    return kBeSuccess;
}

BeError ShimDeinit(BeStream stream, std::uint8_t* output, std::uint32_t* produced) {
    ShimStream* shim = StreamOf(stream);
    const int result = lame_encode_flush(shim->flags, output, static_cast<int>(shim->outputSize));
    if (result < 0) return kShimFailure;
    *produced = static_cast<std::uint32_t>(result);
    return kBeSuccess;
}

BeError ShimClose(BeStream stream) {
    ShimStream* shim = StreamOf(stream);
    lame_close(shim->flags);
    delete shim;
    return kBeSuccess;
}

void ShimVersion(BeVersionRecord*) {}
BeError ShimWriteVbrHeader(const char*) { return kBeSuccess; }

}  // namespace

BladeEncTable LameShimTable() {
    return {ShimInit, ShimEncode, ShimDeinit, ShimClose, ShimVersion, ShimWriteVbrHeader, nullptr};
}
