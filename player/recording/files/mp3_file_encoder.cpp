#include "recording/files/mp3_file_encoder.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <new>

bool IsEncoderAvailable(const BladeEncLoader& load) {
    const auto table = load();
    return table && table->HasRequiredEntries();
}

Mp3FileEncoder::Mp3FileEncoder(BladeEncLoader load) : load_(std::move(load)) {}

Mp3FileEncoder::~Mp3FileEncoder() { Close(); }

bool Mp3FileEncoder::Open(const std::wstring& path, std::uint32_t sampleRate,
                          std::uint16_t channels) {
    Close();
    const auto table = load_();
    if (!table || !table->HasRequiredEntries()) return false;
    table_ = *table;

    // Unbuffered: a failed write is known at once and loses only its own
    // piece of sound (a chunk's output is a few hundred bytes).
    file_.rdbuf()->pubsetbuf(nullptr, 0);
    file_.open(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    if (!file_) return false;

    BeConfigBytes config = BladeEncConfig(sampleRate, channels);
    std::uint32_t samplesPerChunk = 0;
    std::uint32_t outputSize = 0;
    stream_ = 0;
    if (table_.initStream(config.data(), &samplesPerChunk, &outputSize, &stream_) != kBeSuccess) {
        file_.close();
        return false;
    }
    streamOpen_ = true;
    failedBlocks_ = 0;
    // A library that asks for no input or gives no room for output cannot
    // be fed safely.
    if (samplesPerChunk == 0 || outputSize == 0 || !AllocateBuffers(samplesPerChunk, outputSize)) {
        CloseStream();
        file_.close();
        return false;
    }
    return true;
}

bool Mp3FileEncoder::AllocateBuffers(std::uint32_t samplesPerChunk, std::uint32_t outputSize) {
    try {
        input_.assign(samplesPerChunk, 0);
        output_.assign(outputSize, 0);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool Mp3FileEncoder::Encode(const std::uint8_t* bytes, std::size_t length) {
    if (!streamOpen_) return false;
    const std::size_t chunkBytes = input_.size() * 2;
    std::size_t consumed = 0;
    bool writesFailed = false;
    while (consumed < length) {
        const std::size_t take = std::min(length - consumed, chunkBytes);
        std::memcpy(input_.data(), bytes + consumed, take);
        consumed += take;
        std::uint32_t produced = 0;
        if (table_.encodeChunk(stream_, static_cast<std::uint32_t>(take / 2), input_.data(),
                               output_.data(), &produced) != kBeSuccess) {
            // The rest of the recording is dropped; the file keeps what was
            // written so far.
            CloseStream();
            return false;
        }
        // A failed write loses that piece, not the rest: the next pieces are
        // still encoded and written once the disk takes them again.
        if (!WriteProduced(produced)) writesFailed = true;
    }
    failedBlocks_ = writesFailed ? failedBlocks_ + 1 : 0;
    return !writesFailed;
}

void Mp3FileEncoder::Close() {
    if (streamOpen_) {
        std::uint32_t produced = 0;
        if (table_.deinitStream(stream_, output_.data(), &produced) == kBeSuccess) {
            WriteProduced(produced);
        }
        CloseStream();
    }
    input_ = {};
    output_ = {};
    if (file_.is_open()) file_.close();
}

bool Mp3FileEncoder::WriteProduced(std::uint32_t produced) {
    // A library that claims more than its own buffer holds is not believed.
    const std::size_t length = std::min<std::size_t>(produced, output_.size());
    if (file_.write(reinterpret_cast<const char*>(output_.data()), std::streamsize(length)))
        return true;
    // The stream would refuse everything after one failure; let it try again.
    file_.clear();
    return false;
}

void Mp3FileEncoder::CloseStream() {
    table_.closeStream(stream_);
    streamOpen_ = false;
}
