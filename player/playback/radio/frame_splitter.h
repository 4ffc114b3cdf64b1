#pragma once
// Compressed audio frames as they come off a radio stream. Decoders are fed
// whole frames, so the engine finds them itself: it skips what is not audio
// (a cut frame after a reconnect, stray bytes, a false sync inside audio)
// and tells one format from another by frames that follow each other.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// How to recognise one kind of frame: the bytes its header needs, and the
// length of the whole frame that starts with a header (nothing when the
// bytes do not start with one).
struct FrameSyntax {
    std::size_t headerBytes;
    std::optional<std::size_t> (*frameLength)(std::string_view bytes);
};

// Where the first run of `frames` headers in a row starts, each where the
// frame before it ends; nothing when `bytes` hold no such run.
std::optional<std::size_t> FirstFrameRun(std::string_view bytes, const FrameSyntax& syntax,
                                         std::size_t frames);

// Collects stream bytes and hands them back frame by frame. A frame counts
// only when the header after it is one too (or the bytes end there), so audio
// that happens to look like a header is not taken for one.
class FrameSplitter {
public:
    explicit FrameSplitter(const FrameSyntax& syntax) : syntax_(syntax) {}

    void Add(std::string_view bytes);
    // The next whole frame, or nothing until more bytes come.
    std::optional<std::string_view> NextFrame();

private:
    const FrameSyntax& syntax_;
    std::string pending_;
    std::size_t start_ = 0;  // where the unread bytes of `pending_` begin
};
