#include "playback/radio/sample_volume.h"

#include <algorithm>

void ScaleSamples(std::int16_t* samples, std::size_t count, int volume) {
    volume = std::clamp(volume, 0, 100);
    if (volume == 100) return;
    // The ear hears loudness roughly by the square of the amplitude's share,
    // so the slider's middle sounds like the middle.
    const int factor = volume * volume;  // out of 10000
    for (std::size_t i = 0; i < count; ++i)
        samples[i] = static_cast<std::int16_t>(samples[i] * factor / 10000);
}
