#include "directory/now_playing.h"

namespace {

// Where the title begins: past carriage returns, line feeds, spaces and whole
// tags ("<" through the next ">").
std::size_t TitleStart(std::wstring_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const wchar_t c = text[at];
        if (c == L'\r' || c == L'\n' || c == L' ') {
            ++at;
        } else if (c == L'<') {
            const std::size_t close = text.find(L'>', at);
            if (close == std::wstring_view::npos) return text.size();
            at = close + 1;
        } else {
            break;
        }
    }
    return at;
}

void TrimTrailing(std::wstring& text, wchar_t c) {
    while (!text.empty() && text.back() == c) text.pop_back();
}

}  // namespace

std::wstring ExtractBetween(std::wstring_view page, std::wstring_view tfirst,
                            std::wstring_view tsecond) {
    const std::size_t first = page.find(tfirst);
    if (first == std::wstring_view::npos) return {};
    const std::size_t start = first + tfirst.size();
    const std::size_t end = page.find(tsecond, start);
    if (end == std::wstring_view::npos) return {};
    const std::wstring_view between = page.substr(start, end - start);
    std::wstring title(between.substr(TitleStart(between)));
    TrimTrailing(title, L' ');
    TrimTrailing(title, L'\r');
    TrimTrailing(title, L'\n');
    return title;
}

void NowPlaying::SetSource(Source source) {
    std::lock_guard lock(lock_);
    source_ = std::move(source);
    ++sourceChanges_;
}

NowPlaying::Source NowPlaying::GetSource() const {
    std::lock_guard lock(lock_);
    return source_;
}

unsigned NowPlaying::SourceChanges() const {
    std::lock_guard lock(lock_);
    return sourceChanges_;
}

std::wstring NowPlaying::Title() const {
    std::lock_guard lock(lock_);
    return title_;
}

void NowPlaying::SetTitle(std::wstring title) {
    std::lock_guard lock(lock_);
    title_ = std::move(title);
}

bool NowPlaying::SetTitleIfCurrent(unsigned sourceChanges, std::wstring title) {
    std::lock_guard lock(lock_);
    if (sourceChanges != sourceChanges_) return false;
    title_ = std::move(title);
    return true;
}

bool FetchNowPlaying(NowPlaying& nowPlaying, Downloader& downloads) {
    const unsigned sourceChanges = nowPlaying.SourceChanges();
    const NowPlaying::Source source = nowPlaying.GetSource();
    if (source.current.empty() || source.tfirst.empty() || source.tsecond.empty()) return false;
    std::wstring page;
    if (!DownloadSucceeded(downloads.DownloadToText(source.current, page))) return false;
    std::wstring title = ExtractBetween(page, source.tfirst, source.tsecond);
    if (title.empty()) return false;
    return nowPlaying.SetTitleIfCurrent(sourceChanges, std::move(title));
}
