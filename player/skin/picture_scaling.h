#pragma once
// Resizes a skin picture for a display scale the skin was not drawn for.
// Each new pixel averages the old pixels it covers, weighted by how much of
// each it covers, which keeps edges smooth when a larger drawing shrinks.
// Key-coloured pixels stand for "no picture": they never tint an opaque
// pixel, and a new pixel is key where more than half of what it covers was,
// so a window's outline stays hard and no pink fringe appears.

#include "skin/shape_runs.h"

#include <cstdint>
#include <span>

// The key colours of the skin's pictures, as 0x00BBGGRR: magenta, and the
// lighter magenta of the recorder's play button.
inline constexpr std::uint32_t kSkinKeyColours[] = {0x00FF00FF, 0x00FF78FF};

PixelGrid ScalePicture(const PixelGrid& picture, int width, int height,
                       std::span<const std::uint32_t> keyColours = kSkinKeyColours);
