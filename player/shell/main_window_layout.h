#pragma once
// Where the main window's controls stand in its two layouts, in client
// pixels, as the skin's pictures were drawn for them: the full window
// (150 x 215) and the one-line compact bar (312 x 26), which shows only the
// status line, the transport buttons, the volume and its two title buttons.

#include "common/scale/pixel_rect.h"

#include <optional>

enum class MainLayout { Full, Compact };

inline constexpr int kFullWidth = 150;
inline constexpr int kFullHeight = 215;
inline constexpr int kCompactWidth = 312;
inline constexpr int kCompactHeight = 26;

// The control's place in the layout; nothing when the layout hides it. A
// status line that scrolls a title takes the whole width of the full window.
std::optional<PixelRect> MainControlPlace(int controlId, MainLayout layout, bool wideStatus);
