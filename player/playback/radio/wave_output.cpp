#include "playback/radio/wave_output.h"

#include <algorithm>

WaveOutput::WaveOutput(std::initializer_list<HANDLE> interrupts) : waits_(interrupts) {
    waits_.push_back(nullptr);
}

bool WaveOutput::Open(unsigned sampleRate, unsigned channels) {
    Close();
    done_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!done_) return false;
    waits_.back() = done_;
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = static_cast<WORD>(channels);
    format.nSamplesPerSec = sampleRate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = static_cast<WORD>(channels * 2);
    format.nAvgBytesPerSec = sampleRate * format.nBlockAlign;
    if (waveOutOpen(&device_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done_), 0,
                    CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        device_ = nullptr;
        Close();
        return false;
    }
    waveOutPause(device_);
    samplesPerBuffer_ = std::size_t{sampleRate} * channels * kBufferMs / 1000;
    for (Buffer& buffer : ring_) {
        buffer.samples.clear();
        buffer.samples.reserve(samplesPerBuffer_);
        buffer.queued = false;
    }
    current_ = 0;
    queuedCount_ = 0;
    playing_ = false;
    return true;
}

void WaveOutput::Close() {
    if (device_) {
        waveOutReset(device_);
        for (Buffer& buffer : ring_) {
            if (buffer.queued) waveOutUnprepareHeader(device_, &buffer.header, sizeof(WAVEHDR));
            buffer.queued = false;
        }
        waveOutClose(device_);
        device_ = nullptr;
    }
    if (done_) CloseHandle(done_);
    done_ = nullptr;
    playing_ = false;
}

bool WaveOutput::Write(const std::int16_t* samples, std::size_t count) {
    while (count > 0) {
        Buffer& buffer = ring_[current_];
        if (!WaitForFreeBuffer(buffer)) return false;
        const std::size_t room = samplesPerBuffer_ - buffer.samples.size();
        const std::size_t taken = std::min(room, count);
        buffer.samples.insert(buffer.samples.end(), samples, samples + taken);
        samples += taken;
        count -= taken;
        if (buffer.samples.size() == samplesPerBuffer_) {
            if (!Queue(buffer)) return false;
            current_ = (current_ + 1) % kBuffers;
        }
    }
    return true;
}

bool WaveOutput::Finish() {
    if (!device_) return true;
    Buffer& partial = ring_[current_];
    if (!partial.queued && !partial.samples.empty()) {
        if (!Queue(partial)) return false;
        current_ = (current_ + 1) % kBuffers;
    }
    // Too little to have started it yet: it starts now, for what there is.
    if (!playing_) {
        waveOutRestart(device_);
        playing_ = true;
    }
    return std::all_of(ring_.begin(), ring_.end(),
                       [&](Buffer& buffer) { return WaitForFreeBuffer(buffer); });
}

bool WaveOutput::WaitForFreeBuffer(Buffer& buffer) {
    while (buffer.queued) {
        if ((buffer.header.dwFlags & WHDR_DONE) != 0) {
            waveOutUnprepareHeader(device_, &buffer.header, sizeof(WAVEHDR));
            buffer.queued = false;
            buffer.samples.clear();
            break;
        }
        const auto count = static_cast<DWORD>(waits_.size());
        if (WaitForMultipleObjects(count, waits_.data(), FALSE, INFINITE) !=
            WAIT_OBJECT_0 + count - 1) {
            return false;
        }
    }
    return true;
}

bool WaveOutput::Queue(Buffer& buffer) {
    buffer.header = WAVEHDR{};
    buffer.header.lpData = reinterpret_cast<LPSTR>(buffer.samples.data());
    buffer.header.dwBufferLength = static_cast<DWORD>(buffer.samples.size() * 2);
    if (waveOutPrepareHeader(device_, &buffer.header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR)
        return false;
    if (waveOutWrite(device_, &buffer.header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
        waveOutUnprepareHeader(device_, &buffer.header, sizeof(WAVEHDR));
        return false;
    }
    buffer.queued = true;
    if (!playing_ && ++queuedCount_ >= kBuffersBeforeStart) {
        waveOutRestart(device_);
        playing_ = true;
    }
    return true;
}
