#pragma once
// The engine's volume: 16-bit samples scaled by the slider's 0-100.

#include <cstddef>
#include <cstdint>

void ScaleSamples(std::int16_t* samples, std::size_t count, int volume);
