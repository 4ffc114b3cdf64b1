#pragma once
// Asks the system which DirectX it has, once per run: on the 95/98/Me family
// the DirectX diagnostics first, and the versions of DirectX's files in the
// system folder when those cannot tell; on the NT family the files alone.

#include "shell/directx_version.h"

// Nothing only when neither way works (no system folder).
std::optional<DirectXVersion> GetDirectXVersion();
