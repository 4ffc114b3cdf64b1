#pragma once
// The few Media Foundation platform calls the AAC decoder needs, from
// mfplat.dll loaded at the first AAC stream. The player does not link to it,
// so that it still starts on Windows editions sold without Media Foundation;
// there AAC radio goes to the media player control instead.

#include <windows.h>
// after windows.h, which they build on
#include <mfapi.h>
#include <mfidl.h>

struct MediaFoundationLibrary {
    HRESULT(STDAPICALLTYPE* startup)(ULONG version, DWORD flags) = nullptr;
    HRESULT(STDAPICALLTYPE* shutdown)() = nullptr;
    HRESULT(STDAPICALLTYPE* createMediaType)(IMFMediaType** type) = nullptr;
    HRESULT(STDAPICALLTYPE* createSample)(IMFSample** sample) = nullptr;
    HRESULT(STDAPICALLTYPE* createMemoryBuffer)(DWORD maxLength, IMFMediaBuffer** buffer) = nullptr;
};

// The library's calls, or nothing when it is missing. It is loaded once and
// kept for the life of the process, since decoders made from it may outlive
// any one user.
const MediaFoundationLibrary* LoadMediaFoundation();

// Media Foundation started for as long as this lives.
class MediaFoundationStarted {
public:
    explicit MediaFoundationStarted(const MediaFoundationLibrary& library)
        : library_(library), started_(SUCCEEDED(library.startup(MF_VERSION, MFSTARTUP_LITE))) {}
    MediaFoundationStarted(const MediaFoundationStarted&) = delete;
    MediaFoundationStarted& operator=(const MediaFoundationStarted&) = delete;
    ~MediaFoundationStarted() {
        if (started_) library_.shutdown();
    }
    explicit operator bool() const { return started_; }

private:
    const MediaFoundationLibrary& library_;
    const bool started_;
};
