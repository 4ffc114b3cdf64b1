#pragma once
// What the fuzz targets share: the readers of the data files take a path, so
// each input is written to a file of its own process first.

#include "common/ports/ansi_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include <unistd.h>

inline std::string_view BytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The bytes as the player reads text from the network: in the ANSI code page.
inline std::wstring WideOf(const std::uint8_t* data, std::size_t size) {
    return AnsiToWide(BytesOf(data, size));
}

// A file per process under the temporary folder, rewritten for every input.
class InputFile {
public:
    explicit InputFile(const char* name)
        : path_(std::string("/tmp/velmora-fuzz-") + std::to_string(getpid()) + "-" + name) {}
    ~InputFile() { std::remove(path_.c_str()); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    std::wstring Write(const std::uint8_t* data, std::size_t size) const {
        if (std::FILE* file = std::fopen(path_.c_str(), "wb")) {
            std::fwrite(data, 1, size, file);
            std::fclose(file);
        }
        return {path_.begin(), path_.end()};
    }

private:
    std::string path_;
};

// A property a target exists for: a fault when it does not hold, as a crash
// is, so that libFuzzer keeps the input.
inline void Require(bool property) {
    if (!property) __builtin_trap();
}
