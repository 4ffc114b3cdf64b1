#pragma once
// Asks the system which DirectX it has: the DirectX diagnostics first, the
// versions of DirectX's files in the system folder when those cannot tell.

#include "shell/directx_version.h"

// Nothing only when neither way works (no system folder).
std::optional<DirectXVersion> GetDirectXVersion();
