#include "playback/radio/mp3_decoder_acm.h"

namespace {

// Bytes of 16-bit output that one byte of MP3 can become, with room to spare:
// even 8 kbit/s MPEG 2.5 gives less than 100.
constexpr std::size_t kOutputPerInputByte = 128;

}  // namespace

bool Mp3Decoder::Open(const Mp3FrameHeader& first) {
    Close();
    MPEGLAYER3WAVEFORMAT mp3{};
    mp3.wfx.wFormatTag = WAVE_FORMAT_MPEGLAYER3;
    mp3.wfx.nChannels = static_cast<WORD>(first.format.channels);
    mp3.wfx.nSamplesPerSec = first.format.sampleRate;
    mp3.wfx.nAvgBytesPerSec = first.format.bitRate / 8;
    mp3.wfx.nBlockAlign = 1;
    mp3.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    mp3.wID = MPEGLAYER3_ID_MPEG;
    mp3.fdwFlags = MPEGLAYER3_FLAG_PADDING_ISO;
    mp3.nBlockSize = static_cast<WORD>(first.length);
    mp3.nFramesPerBlock = 1;

    WAVEFORMATEX pcm{};
    pcm.wFormatTag = WAVE_FORMAT_PCM;
    pcm.nChannels = mp3.wfx.nChannels;
    pcm.nSamplesPerSec = mp3.wfx.nSamplesPerSec;
    pcm.wBitsPerSample = 16;
    pcm.nBlockAlign = static_cast<WORD>(pcm.nChannels * 2);
    pcm.nAvgBytesPerSec = pcm.nSamplesPerSec * pcm.nBlockAlign;
    if (acmStreamOpen(&stream_, nullptr, &mp3.wfx, &pcm, nullptr, 0, 0, 0) != MMSYSERR_NOERROR) {
        stream_ = nullptr;
        return false;
    }
    format_ = first.format;
    return true;
}

bool Mp3Decoder::Decode(std::string_view audio, const PcmSink& sink) {
    splitter_.Add(audio);
    while (const auto frame = splitter_.NextFrame()) {
        const auto header = ReadMp3FrameHeader(*frame);
        if (!stream_ || !format_.DecodesLike(header->format)) {
            if (!Open(*header)) return false;
        }
        if (!DecodeFrame(*frame, sink)) return false;
    }
    return true;
}

void Mp3Decoder::Close() {
    if (stream_) acmStreamClose(stream_, 0);
    stream_ = nullptr;
    input_.clear();
}

bool Mp3Decoder::DecodeFrame(std::string_view frame, const PcmSink& sink) {
    input_.append(frame);
    output_.resize(input_.size() * kOutputPerInputByte);
    ACMSTREAMHEADER header{};
    header.cbStruct = sizeof(header);
    header.pbSrc = reinterpret_cast<BYTE*>(input_.data());
    header.cbSrcLength = static_cast<DWORD>(input_.size());
    header.pbDst = output_.data();
    header.cbDstLength = static_cast<DWORD>(output_.size());
    if (acmStreamPrepareHeader(stream_, &header, 0) != MMSYSERR_NOERROR) return false;
    const MMRESULT converted = acmStreamConvert(stream_, &header, ACM_STREAMCONVERTF_BLOCKALIGN);
    acmStreamUnprepareHeader(stream_, &header, 0);
    if (converted != MMSYSERR_NOERROR) return false;
    input_.erase(0, header.cbSrcLengthUsed);
    return sink({format_.sampleRate, format_.channels},
                reinterpret_cast<const std::int16_t*>(output_.data()), header.cbDstLengthUsed / 2);
}
