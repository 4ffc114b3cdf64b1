#include "playback/radio/aac_decoder_mf.h"

#include <mferror.h>

#include <algorithm>
#include <cstring>

namespace {

// Media Foundation's AAC decoder (the class CMSAACDecMFT).
const CLSID kAacDecoderClsid = {
    0x32d186a7, 0x218f, 0x4c75, {0x88, 0x76, 0xdd, 0x77, 0x27, 0x3a, 0x89, 0x99}};

// MF_MT_AAC_PAYLOAD_TYPE: the input comes as ADTS frames.
constexpr UINT32 kAdtsPayload = 1;
// MF_MT_AAC_AUDIO_PROFILE_LEVEL_INDICATION: "no profile given", which
// leaves the decoder free to find SBR and PS in the frames.
constexpr UINT32 kProfileUnspecified = 0xFE;

// The part of HEAACWAVEINFO after its WAVEFORMATEX, which the decoder wants
// as the type's user data; no AudioSpecificConfig follows it for ADTS.
#pragma pack(push, 1)
struct AacTypeInfo {
    WORD payloadType = kAdtsPayload;
    WORD profileLevel = kProfileUnspecified;
    WORD structType = 0;
    WORD reserved1 = 0;
    DWORD reserved2 = 0;
};
#pragma pack(pop)

// A decoder that keeps saying it has output for one frame has broken down;
// one AAC frame gives one or two output samples.
constexpr int kMaxOutputsPerFrame = 16;

// Room for one decoded frame at the most: 2048 stereo samples of 16 bits
// (HE-AAC doubles AAC's 1024), for a decoder that names no size of its own.
constexpr DWORD kLargestFrameBytes = 2048 * 2 * 2;

}  // namespace

bool AacDecoder::Decode(std::string_view audio, const PcmSink& sink) {
    splitter_.Add(audio);
    while (const auto frame = splitter_.NextFrame()) {
        const auto header = ReadAdtsFrameHeader(*frame);
        // A station that changes its rate or channels gets a fresh decoder,
        // since the decoder's input type cannot change while it streams.
        if (!transform_ || header->format != input_) {
            if (!Open(header->format)) return false;
        }
        if (!DecodeFrame(*frame, sink)) return false;
    }
    return true;
}

bool AacDecoder::Open(const AdtsFormat& input) {
    transform_.Reset();
    outputSample_.Reset();
    if (!library_) library_ = LoadMediaFoundation();
    if (!library_) return false;
    if (!started_) started_ = std::make_unique<MediaFoundationStarted>(*library_);
    if (!*started_) return false;
    if (FAILED(CoCreateInstance(kAacDecoderClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IMFTransform,
                                transform_.PutVoid()))) {
        return false;
    }
    if (!SetInputType(input) || !SetOutputType() ||
        FAILED(transform_->ProcessMessage(MFT_MESSAGE_NOTIFY_BEGIN_STREAMING, 0)) ||
        FAILED(transform_->ProcessMessage(MFT_MESSAGE_NOTIFY_START_OF_STREAM, 0))) {
        transform_.Reset();
        return false;
    }
    input_ = input;
    return true;
}

bool AacDecoder::SetInputType(const AdtsFormat& input) {
    ComPtr<IMFMediaType> type;
    if (FAILED(library_->createMediaType(type.Put()))) return false;
    const AacTypeInfo info;
    return SUCCEEDED(type->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Audio)) &&
           SUCCEEDED(type->SetGUID(MF_MT_SUBTYPE, MFAudioFormat_AAC)) &&
           SUCCEEDED(type->SetUINT32(MF_MT_AUDIO_SAMPLES_PER_SECOND, input.sampleRate)) &&
           SUCCEEDED(type->SetUINT32(MF_MT_AUDIO_NUM_CHANNELS, input.channels)) &&
           SUCCEEDED(type->SetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, 16)) &&
           SUCCEEDED(type->SetUINT32(MF_MT_AAC_PAYLOAD_TYPE, kAdtsPayload)) &&
           SUCCEEDED(
               type->SetUINT32(MF_MT_AAC_AUDIO_PROFILE_LEVEL_INDICATION, kProfileUnspecified)) &&
           SUCCEEDED(type->SetBlob(MF_MT_USER_DATA, reinterpret_cast<const UINT8*>(&info),
                                   sizeof(info))) &&
           SUCCEEDED(transform_->SetInputType(0, type.Get(), 0));
}

bool AacDecoder::SetOutputType() {
    for (DWORD index = 0;; ++index) {
        ComPtr<IMFMediaType> type;
        if (FAILED(transform_->GetOutputAvailableType(0, index, type.Put()))) return false;
        GUID subtype{};
        UINT32 bits = 0, rate = 0, channels = 0;
        if (FAILED(type->GetGUID(MF_MT_SUBTYPE, &subtype)) || subtype != MFAudioFormat_PCM ||
            FAILED(type->GetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, &bits)) || bits != 16 ||
            FAILED(type->GetUINT32(MF_MT_AUDIO_SAMPLES_PER_SECOND, &rate)) ||
            FAILED(type->GetUINT32(MF_MT_AUDIO_NUM_CHANNELS, &channels))) {
            continue;
        }
        if (FAILED(transform_->SetOutputType(0, type.Get(), 0))) return false;
        output_ = {rate, channels};
        break;
    }
    MFT_OUTPUT_STREAM_INFO info{};
    if (FAILED(transform_->GetOutputStreamInfo(0, &info))) return false;
    outputSample_.Reset();
    if (info.dwFlags & (MFT_OUTPUT_STREAM_PROVIDES_SAMPLES | MFT_OUTPUT_STREAM_CAN_PROVIDE_SAMPLES))
        return true;
    ComPtr<IMFMediaBuffer> buffer;
    return SUCCEEDED(library_->createMemoryBuffer(std::max(info.cbSize, kLargestFrameBytes),
                                                  buffer.Put())) &&
           SUCCEEDED(library_->createSample(outputSample_.Put())) &&
           SUCCEEDED(outputSample_->AddBuffer(buffer.Get()));
}

bool AacDecoder::DecodeFrame(std::string_view frame, const PcmSink& sink) {
    if (Feed(frame)) return Drain(sink);
    // A decoder that holds output takes no more input until it is drained.
    return Drain(sink) && Feed(frame) && Drain(sink);
}

bool AacDecoder::Feed(std::string_view frame) {
    ComPtr<IMFMediaBuffer> buffer;
    ComPtr<IMFSample> sample;
    BYTE* bytes = nullptr;
    if (FAILED(library_->createMemoryBuffer(static_cast<DWORD>(frame.size()), buffer.Put())) ||
        FAILED(buffer->Lock(&bytes, nullptr, nullptr))) {
        return false;
    }
    std::memcpy(bytes, frame.data(), frame.size());
    buffer->Unlock();
    return SUCCEEDED(buffer->SetCurrentLength(static_cast<DWORD>(frame.size()))) &&
           SUCCEEDED(library_->createSample(sample.Put())) &&
           SUCCEEDED(sample->AddBuffer(buffer.Get())) &&
           SUCCEEDED(transform_->ProcessInput(0, sample.Get(), 0));
}

bool AacDecoder::Drain(const PcmSink& sink) {
    for (int outputs = 0; outputs < kMaxOutputsPerFrame; ++outputs) {
        MFT_OUTPUT_DATA_BUFFER data{};
        data.pSample = outputSample_.Get();
        DWORD status = 0;
        const HRESULT result = transform_->ProcessOutput(0, 1, &data, &status);
        if (data.pEvents) data.pEvents->Release();
        // A sample the decoder brought is ours to release.
        ComPtr<IMFSample> provided;
        if (!outputSample_) *provided.Put() = data.pSample;
        if (result == MF_E_TRANSFORM_NEED_MORE_INPUT) return true;
        if (result == MF_E_TRANSFORM_STREAM_CHANGE) {
            if (!SetOutputType()) return false;
            continue;
        }
        if (FAILED(result) || !data.pSample) return false;
        ComPtr<IMFMediaBuffer> buffer;
        if (FAILED(data.pSample->ConvertToContiguousBuffer(buffer.Put())) ||
            !Deliver(*buffer.Get(), sink)) {
            return false;
        }
    }
    return false;
}

bool AacDecoder::Deliver(IMFMediaBuffer& buffer, const PcmSink& sink) {
    BYTE* bytes = nullptr;
    DWORD length = 0;
    if (FAILED(buffer.Lock(&bytes, nullptr, &length))) return false;
    const bool taken = sink(output_, reinterpret_cast<const std::int16_t*>(bytes), length / 2);
    buffer.Unlock();
    // The next output is written from the start of the same buffer.
    buffer.SetCurrentLength(0);
    return taken;
}
