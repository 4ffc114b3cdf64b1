#include "recording/capture/directsound_capture.h"

#include "recording/capture/capture_device_list.h"

namespace {

// IID_IDirectSoundNotify, defined here rather than pulled from dxguid.
const IID kIidDirectSoundNotify = {
    0xB0210783, 0x89CD, 0x11D0, {0xAF, 0x08, 0x00, 0xA0, 0xC9, 0x25, 0xCD, 0x16}};

WAVEFORMATEX ToWaveFormat(const CaptureFormat& format) {
    WAVEFORMATEX wave{};
    wave.wFormatTag = WAVE_FORMAT_PCM;
    wave.nChannels = format.channels;
    wave.nSamplesPerSec = format.sampleRate;
    wave.wBitsPerSample = format.bitsPerSample;
    wave.nBlockAlign = format.BlockAlign();
    wave.nAvgBytesPerSec = format.AvgBytesPerSec();
    return wave;
}

ComPtr<IDirectSoundCaptureBuffer> NewBuffer(IDirectSoundCapture* capture, WAVEFORMATEX& wave,
                                            DWORD bytes) {
    DSCBUFFERDESC description{};
    description.dwSize = sizeof description;
    description.dwBufferBytes = bytes;
    description.lpwfxFormat = &wave;
    ComPtr<IDirectSoundCaptureBuffer> buffer;
    if (FAILED(capture->CreateCaptureBuffer(&description, buffer.Put(), nullptr))) return {};
    return buffer;
}

class DirectSoundCaptureBuffer : public CaptureBuffer {
public:
    DirectSoundCaptureBuffer(ComPtr<IDirectSoundCaptureBuffer> buffer,
                             ComPtr<IDirectSoundNotify> notify, std::uint32_t size)
        : buffer_(std::move(buffer)), notify_(std::move(notify)), size_(size) {}

    std::uint32_t Size() const override { return size_; }
    bool Start() override { return SUCCEEDED(buffer_->Start(DSCBSTART_LOOPING)); }
    bool Stop() override { return SUCCEEDED(buffer_->Stop()); }
    std::optional<std::uint32_t> ReadPosition() override {
        DWORD capture = 0;
        DWORD read = 0;
        if (FAILED(buffer_->GetCurrentPosition(&capture, &read))) return std::nullopt;
        return read;
    }
    std::optional<CaptureRegions> Lock(std::uint32_t offset, std::uint32_t length) override {
        void* first = nullptr;
        void* second = nullptr;
        DWORD firstLength = 0;
        DWORD secondLength = 0;
        if (FAILED(buffer_->Lock(offset, length, &first, &firstLength, &second, &secondLength, 0))) {
            return std::nullopt;
        }
        return CaptureRegions{static_cast<const std::uint8_t*>(first), firstLength,
                              static_cast<const std::uint8_t*>(second), secondLength};
    }
    void Unlock(const CaptureRegions& regions) override {
        buffer_->Unlock(const_cast<std::uint8_t*>(regions.first), regions.firstLength,
                        const_cast<std::uint8_t*>(regions.second), regions.secondLength);
    }

private:
    ComPtr<IDirectSoundCaptureBuffer> buffer_;
    ComPtr<IDirectSoundNotify> notify_;  // released together with the buffer
    std::uint32_t size_;
};

struct Enumerated {
    std::vector<CaptureDeviceEntry> devices;
};

BOOL CALLBACK CollectDevice(GUID* guid, const wchar_t* description, const wchar_t*, void* context) {
    auto* enumerated = static_cast<Enumerated*>(context);
    CaptureDeviceEntry entry{description ? description : L"", std::nullopt};
    if (guid) entry.guid = *guid;
    enumerated->devices.push_back(std::move(entry));
    return TRUE;
}

}  // namespace

std::vector<CaptureDeviceEntry> EnumerateCaptureDevices() {
    Enumerated enumerated;
    if (FAILED(DirectSoundCaptureEnumerateW(CollectDevice, &enumerated))) return {};
    std::vector<bool> hasGuid;
    for (const auto& device : enumerated.devices) hasGuid.push_back(device.guid.has_value());
    std::vector<CaptureDeviceEntry> listed;
    for (std::size_t index : ListedCaptureDevices(hasGuid)) {
        listed.push_back(std::move(enumerated.devices[index]));
    }
    return listed;
}

std::unique_ptr<DirectSoundCaptureDevice> DirectSoundCaptureDevice::Open(
    const std::optional<GUID>& guid) {
    ComPtr<IDirectSoundCapture> capture;
    if (FAILED(DirectSoundCaptureCreate(guid ? &*guid : nullptr, capture.Put(), nullptr))) {
        return nullptr;
    }
    ScopedHandle blockEvent(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!blockEvent) return nullptr;
    return std::unique_ptr<DirectSoundCaptureDevice>(
        new DirectSoundCaptureDevice(std::move(capture), std::move(blockEvent)));
}

DirectSoundCaptureDevice::DirectSoundCaptureDevice(ComPtr<IDirectSoundCapture> capture,
                                                   ScopedHandle blockEvent)
    : capture_(std::move(capture)), blockEvent_(std::move(blockEvent)) {}

bool DirectSoundCaptureDevice::Supports(const CaptureFormat& format) {
    WAVEFORMATEX wave = ToWaveFormat(format);
    return static_cast<bool>(NewBuffer(capture_.Get(), wave, wave.nAvgBytesPerSec));
}

std::unique_ptr<CaptureBuffer> DirectSoundCaptureDevice::CreateBuffer(const CaptureFormat& format,
                                                                      std::uint32_t blockSize,
                                                                      std::uint32_t blockCount) {
    WAVEFORMATEX wave = ToWaveFormat(format);
    const std::uint32_t size = blockSize * blockCount;
    ComPtr<IDirectSoundCaptureBuffer> buffer = NewBuffer(capture_.Get(), wave, size);
    if (!buffer) return nullptr;
    ComPtr<IDirectSoundNotify> notify;
    if (FAILED(buffer->QueryInterface(kIidDirectSoundNotify, notify.PutVoid()))) return nullptr;
    std::vector<DSBPOSITIONNOTIFY> positions(blockCount);
    for (std::uint32_t k = 0; k < blockCount; ++k) {
        positions[k].dwOffset = blockSize * (k + 1) - 1;
        positions[k].hEventNotify = blockEvent_.Get();
    }
    if (FAILED(notify->SetNotificationPositions(blockCount, positions.data()))) return nullptr;
    return std::make_unique<DirectSoundCaptureBuffer>(std::move(buffer), std::move(notify), size);
}

bool DirectSoundCaptureDevice::WaitForBlock(std::chrono::milliseconds limit) {
    const DWORD waited = WaitForSingleObject(blockEvent_.Get(), static_cast<DWORD>(limit.count()));
    return waited == WAIT_OBJECT_0 || waited == WAIT_TIMEOUT;
}

void DirectSoundCaptureDevice::PrepareWaitingThread() {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL);
}

void DirectSoundCaptureDevice::WakeBlockWaiter() { SetEvent(blockEvent_.Get()); }
