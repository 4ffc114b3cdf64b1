#pragma once
// Loads the system's picture decoders (WIC) on a worker thread while the
// main window is being made. Only the skin drawn for a scale other than 100%
// needs them, and under Wine their first load was the largest single cost of
// a start at 200%, about as long as decoding every picture of the main
// window: loaded beside the window's making, it is off the path to the
// screen. The library stays loaded for as long as this object lives.

#include "common/scale/display_scale.h"

#include <windows.h>

#include <thread>

class SkinDecoderPreload {
public:
    // Does nothing at 100%, where the skin is the program's own bitmaps.
    explicit SkinDecoderPreload(const DisplayScale& scale);
    ~SkinDecoderPreload();
    SkinDecoderPreload(const SkinDecoderPreload&) = delete;
    SkinDecoderPreload& operator=(const SkinDecoderPreload&) = delete;

private:
    std::thread thread_;
    HMODULE library_ = nullptr;  // set by the thread; freed once it has been joined
};
