#include "playback/radio/frame_splitter.h"

namespace {

// Keeps the splitter from holding a whole stream when nothing in it is audio.
constexpr std::size_t kMaxPendingBytes = 64 * 1024;

}  // namespace

std::optional<std::size_t> FirstFrameRun(std::string_view bytes, const FrameSyntax& syntax,
                                         std::size_t frames) {
    for (std::size_t start = 0; start < bytes.size(); ++start) {
        std::size_t at = start;
        std::size_t found = 0;
        while (found < frames && at < bytes.size()) {
            const auto length = syntax.frameLength(bytes.substr(at));
            if (!length) break;
            ++found;
            at += *length;
        }
        if (found == frames) return start;
    }
    return std::nullopt;
}

void FrameSplitter::Add(std::string_view bytes) {
    pending_.erase(0, start_);
    start_ = 0;
    if (pending_.size() + bytes.size() > kMaxPendingBytes) pending_.clear();
    pending_.append(bytes);
}

std::optional<std::string_view> FrameSplitter::NextFrame() {
    const std::string_view unread = std::string_view(pending_).substr(start_);
    const std::size_t headerBytes = syntax_.headerBytes;
    for (std::size_t at = 0; at + headerBytes <= unread.size(); ++at) {
        const auto length = syntax_.frameLength(unread.substr(at));
        if (!length) continue;
        const std::size_t end = at + *length;
        if (end + headerBytes > unread.size()) {
            start_ += at;  // wait for the frame and the header after it
            return std::nullopt;
        }
        if (!syntax_.frameLength(unread.substr(end))) continue;
        start_ += end;
        return unread.substr(at, *length);
    }
    // No frame starts here; keep only what may be the start of a header.
    if (unread.size() >= headerBytes) start_ += unread.size() - (headerBytes - 1);
    return std::nullopt;
}
