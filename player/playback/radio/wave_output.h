#pragma once
// 16-bit PCM to the default playback device through waveOut, with a small
// ring of buffers the device plays in turn. Playback starts once a few
// buffers are queued, so a slow network read does not stutter at once.

#include <windows.h>
// after windows.h, which it builds on
#include <mmsystem.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

class WaveOutput {
public:
    // A wait for the device ends when any of `interrupts` is signalled.
    explicit WaveOutput(std::initializer_list<HANDLE> interrupts);
    WaveOutput(const WaveOutput&) = delete;
    WaveOutput& operator=(const WaveOutput&) = delete;
    ~WaveOutput() { Close(); }

    bool Open(unsigned sampleRate, unsigned channels);
    // Silences the device at once and closes it.
    void Close();
    // True once the device plays.
    bool Playing() const { return playing_; }

    // Queues the samples, waiting while every buffer is with the device.
    // False when an interrupt comes first or the device fails.
    bool Write(const std::int16_t* samples, std::size_t count);
    // Plays what was written to its end, waiting for it; before the device
    // is opened again in another format, or closed. False as for Write.
    bool Finish();

private:
    static constexpr std::size_t kBuffers = 8;
    static constexpr unsigned kBufferMs = 100;
    static constexpr std::size_t kBuffersBeforeStart = 3;

    struct Buffer {
        WAVEHDR header{};
        std::vector<std::int16_t> samples;
        bool queued = false;
    };

    bool WaitForFreeBuffer(Buffer& buffer);
    bool Queue(Buffer& buffer);

    HWAVEOUT device_ = nullptr;  // owned
    HANDLE done_ = nullptr;      // owned: signalled by the device as each buffer is played
    std::size_t samplesPerBuffer_ = 0;
    std::array<Buffer, kBuffers> ring_;
    std::size_t current_ = 0;  // the buffer being filled
    std::size_t queuedCount_ = 0;
    bool playing_ = false;
    std::vector<HANDLE> waits_;  // the interrupts, then done_
};
