#pragma once
// DirectSound capture behind the engine's capture port: the devices the
// system offers, a device opened by GUID (or the default one), and ring
// buffers with a notification position at the end of each block, all on the
// device's one auto-reset event.

#include "common/helpers/com_ptr.h"
#include "common/helpers/scoped_handle.h"
#include "recording/capture/capture_buffer.h"

#include <windows.h>
#include <dsound.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct CaptureDeviceEntry {
    std::wstring description;
    std::optional<GUID> guid;  // none for the default capture device
};

// The devices in enumeration order, at most 20 of them with a GUID.
std::vector<CaptureDeviceEntry> EnumerateCaptureDevices();

class DirectSoundCaptureDevice : public CaptureDevice {
public:
    // Null when DirectSound cannot open the device.
    static std::unique_ptr<DirectSoundCaptureDevice> Open(const std::optional<GUID>& guid);

    bool Supports(const CaptureFormat& format) override;
    std::unique_ptr<CaptureBuffer> CreateBuffer(const CaptureFormat& format, std::uint32_t blockSize,
                                                std::uint32_t blockCount) override;
    bool WaitForBlock(std::chrono::milliseconds limit) override;
    void PrepareWaitingThread() override;
    void WakeBlockWaiter() override;

private:
    DirectSoundCaptureDevice(ComPtr<IDirectSoundCapture> capture, ScopedHandle blockEvent);

    ComPtr<IDirectSoundCapture> capture_;
    ScopedHandle blockEvent_;  // auto-reset; outlives every buffer of this device
};
