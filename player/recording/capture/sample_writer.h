#pragma once
// Where captured sound goes: the WAV writer or the MP3 encoder of the
// current recording. Used by one thread at a time (the capture worker while
// recording, then the user-interface thread for the last pass and Close).

#include <cstddef>
#include <cstdint>

class SampleWriter {
public:
    virtual ~SampleWriter() = default;
    // False when the bytes could not all be taken; the recording goes on.
    virtual bool WriteSamples(const std::uint8_t* bytes, std::size_t length) = 0;
    // True once the writer will take nothing more (its file is full, or the
    // disk keeps failing): the recording should end.
    virtual bool Exhausted() const { return false; }
    // Finishes the file; the writer takes nothing after it.
    virtual void Close() = 0;
};
