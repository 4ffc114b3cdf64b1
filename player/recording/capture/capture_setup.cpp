#include "recording/capture/capture_setup.h"

CaptureSetup SetUpCapture(CaptureEngine& engine, std::unique_ptr<CaptureDevice> device,
                          RecordingFileFormat fileFormat) {
    CaptureSetup setup;
    const bool opened = device != nullptr;
    engine.UseDevice(std::move(device));
    if (!opened) {
        setup.failed = CaptureSetupStep::DirectSound;
        return setup;
    }
    setup.format = ChooseCaptureFormat(*engine.Device(), fileFormat);
    if (!setup.format) {
        setup.failed = CaptureSetupStep::FormatList;
        return setup;
    }
    if (!engine.BuildCaptureBuffer(CaptureFormatCandidate(setup.format->candidate))) {
        setup.failed = CaptureSetupStep::Buffer;
    }
    return setup;
}

std::wstring_view CaptureSetupMessage(CaptureSetupStep failed, bool atStartUp) {
    switch (failed) {
    case CaptureSetupStep::Device: return L"Can't initialize capturing device.";
    case CaptureSetupStep::DirectSound: return L"Can't initialize Direct Sound. DirectX 9.0 needed.";
    case CaptureSetupStep::FormatList:
        return atStartUp ? L"Can't initialize formats list.Please ensure you have 9.0 Direct X installed!"
                         : L"Can't initialize formats list.";
    case CaptureSetupStep::Buffer: return L"Can't create capture buffer.";
    case CaptureSetupStep::Done: break;
    }
    return L"";
}
