#include "recording/files/wave_file_writer.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace {

constexpr std::uint32_t kHeaderBytes = 56;
constexpr std::streamoff kRiffSizeOffset = 4;
constexpr std::streamoff kFactValueOffset = 44;
constexpr std::streamoff kDataSizeOffset = 52;
constexpr std::uint32_t kFactWhileRecording = 0xFFFFFFFF;
constexpr std::uint16_t kWaveFormatPcm = 1;

// Little-endian bytes, whatever the host's order.
class HeaderBytes {
public:
    void Tag(const char (&tag)[5]) { bytes_.append(tag, 4); }
    void U16(std::uint16_t value) {
        for (int shift = 0; shift < 16; shift += 8) bytes_.push_back(char(value >> shift & 0xFF));
    }
    void U32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(char(value >> shift & 0xFF));
    }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

std::string WaveHeader(const CaptureFormat& format) {
    HeaderBytes header;
    header.Tag("RIFF");
    header.U32(0);
    header.Tag("WAVE");
    header.Tag("fmt ");
    header.U32(16);
    header.U16(kWaveFormatPcm);
    header.U16(format.channels);
    header.U32(format.sampleRate);
    header.U32(format.AvgBytesPerSec());
    header.U16(format.BlockAlign());
    header.U16(format.bitsPerSample);
    header.Tag("fact");
    header.U32(4);
    header.U32(kFactWhileRecording);
    header.Tag("data");
    header.U32(0);
    return header.Bytes();
}

void WriteU32At(std::fstream& file, std::streamoff offset, std::uint32_t value) {
    HeaderBytes bytes;
    bytes.U32(value);
    file.seekp(offset);
    file.write(bytes.Bytes().data(), 4);
}

}  // namespace

WaveFileWriter::~WaveFileWriter() { Close(); }

WaveResult WaveFileWriter::Open(const std::wstring& path, const CaptureFormat& format) {
    Close();
    file_.open(std::filesystem::path(path),
               std::ios::binary | std::ios::in | std::ios::out | std::ios::trunc);
    if (!file_) return WaveResult::OpenFailed;
    const std::string header = WaveHeader(format);
    if (!file_.write(header.data(), static_cast<std::streamsize>(header.size()))) {
        file_.close();
        return WaveResult::OpenFailed;
    }
    // The header goes to disk at once, so a file left by a crash still
    // reads as a recording that never finished.
    file_.flush();
    dataBytes_ = 0;
    dataLimit_ = maxDataBytes_ - maxDataBytes_ % std::max<std::uint16_t>(format.BlockAlign(), 1);
    exhausted_ = false;
    return WaveResult::Ok;
}

// After a failed write some of what the stream took may never have reached
// the disk; the header must count only the sound the file really holds.
std::uint32_t WaveFileWriter::DataBytesOnDisk() {
    file_.clear();
    file_.flush();
    file_.clear();
    file_.seekp(0, std::ios::end);
    const std::streamoff end = file_.tellp();
    file_.clear();
    file_.seekp(end < kHeaderBytes ? std::streamoff(kHeaderBytes) : end);
    if (end < kHeaderBytes) return 0;
    return static_cast<std::uint32_t>(std::min<std::streamoff>(end - kHeaderBytes, 0xFFFFFFFFu));
}

WaveResult WaveFileWriter::Write(const std::uint8_t* bytes, std::size_t length,
                                 std::size_t& written) {
    written = 0;
    if (!file_.is_open()) return WaveResult::NotOpen;
    if (!bytes || length == 0) return WaveResult::InvalidArgument;
    // Past the limit the sizes in the header would wrap: the file ends here,
    // with whole sample frames, and the recording must stop.
    const std::size_t room = dataLimit_ - dataBytes_;
    if (length > room) {
        exhausted_ = true;
        if (room > 0) Write(bytes, room, written);
        return WaveResult::Full;
    }
    const std::streampos before = file_.tellp();
    file_.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(length));
    if (!file_) {
        // The stream does not say how much reached its buffer before the
        // failure; what the file position moved by is what was taken. A disk
        // that refuses once (full, or gone) will refuse the next block too,
        // and a recording that went on would lose it without a word.
        file_.clear();
        const std::streampos after = file_.tellp();
        written = after > before ? static_cast<std::size_t>(after - before) : 0;
        dataBytes_ += static_cast<std::uint32_t>(written);
        exhausted_ = true;
        return WaveResult::WriteFailed;
    }
    written = length;
    dataBytes_ += static_cast<std::uint32_t>(length);
    return WaveResult::Ok;
}

bool WaveFileWriter::WriteSamples(const std::uint8_t* bytes, std::size_t length) {
    std::size_t written = 0;
    return Write(bytes, length, written) == WaveResult::Ok;
}

void WaveFileWriter::Close() {
    if (!file_.is_open()) return;
    dataBytes_ = std::min(dataBytes_, DataBytesOnDisk());
    std::uint32_t padBytes = 0;
    if (dataBytes_ % 2 == 1 && file_.put('\0').flush()) padBytes = 1;
    file_.clear();
    WriteU32At(file_, kRiffSizeOffset, kHeaderBytes - 8 + dataBytes_ + padBytes);
    WriteU32At(file_, kFactValueOffset, 0);
    WriteU32At(file_, kDataSizeOffset, dataBytes_);
    file_.close();
}
