#pragma once
// Asks the system which DirectX it has, once per run: on the 95/98/Me family
// the DirectX diagnostics first, and the versions of DirectX's files in the
// system folder when those cannot tell; on the NT family the files alone.

#include "shell/directx_version.h"

#include <thread>

// Nothing only when neither way works (no system folder).
std::optional<DirectXVersion> GetDirectXVersion();

// Asks on a worker thread, once the window is up, so that the recorder
// button's first click finds the answer known: reading the files' versions
// took 143 ms on a busy machine, too long for the window's thread. A
// GetDirectXVersion made while the worker asks waits for its answer.
class DirectXVersionLookup {
public:
    DirectXVersionLookup() = default;
    ~DirectXVersionLookup();
    DirectXVersionLookup(const DirectXVersionLookup&) = delete;
    DirectXVersionLookup& operator=(const DirectXVersionLookup&) = delete;

    void Start();

private:
    std::thread thread_;
};
