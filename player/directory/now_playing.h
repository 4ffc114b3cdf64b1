#pragma once
// The title now playing on the current station, read from a web page of the
// station's own: the text between two markers on that page.

#include "directory/downloads.h"

#include <mutex>
#include <string>
#include <string_view>

// The text after the first `tfirst` up to the next `tsecond`, with line
// breaks, spaces and whole tags skipped at its start and trailing spaces,
// then carriage returns, then line feeds removed. Empty when a marker is not
// found.
std::wstring ExtractBetween(std::wstring_view page, std::wstring_view tfirst,
                            std::wstring_view tsecond);

// Shared between the user-interface thread and the fetch workers. One lock
// guards the source, its change count and the title, so that checking the
// station and storing its title are one step; it is never held while
// anything else runs, so a slow page never blocks the window.
class NowPlaying {
public:
    struct Source {
        std::wstring current;  // URL of the page naming the title
        std::wstring tfirst;
        std::wstring tsecond;
    };

    void SetSource(Source source);
    Source GetSource() const;
    // How often the source was set. A fetch reads it before the source, and
    // so learns when the station changed while its page was loading.
    unsigned SourceChanges() const;
    std::wstring Title() const;
    void SetTitle(std::wstring title);
    // Stores the title only while the source is still the one set at
    // `sourceChanges`: a slow page of the previous station must not replace
    // the title of the station playing now.
    bool SetTitleIfCurrent(unsigned sourceChanges, std::wstring title);

private:
    mutable std::mutex lock_;
    Source source_;
    unsigned sourceChanges_ = 0;
    std::wstring title_;
};

// One fetch of the title. True, with the title stored, when the page was read
// and the markers gave a title and the station did not change meanwhile;
// otherwise the stored title stays as it was.
bool FetchNowPlaying(NowPlaying& nowPlaying, Downloader& downloads);
