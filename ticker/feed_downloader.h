#pragma once
// One HTTP GET of the ticker feed through WinInet, and the cache file it may
// replace. A new downloader is made for each download.

#include "ticker/internet_session.h"

#include <cstddef>
#include <string>

// A feed is a few kilobytes. A server that sends without end, or trickles,
// must not keep the download (and with it every later download and rebuild)
// going forever; past either bound the download fails and the cache stays.
struct FeedLimits {
    std::size_t maxBytes = 1024 * 1024;
    DWORD maxMilliseconds = 60 * 1000;
};

class FeedDownloader {
public:
    // Sends the request and reads the whole answer within the limits. False
    // when the request could not be sent; otherwise the headers and the body
    // are kept.
    bool Fetch(const std::string& url, const FeedLimits& limits);

    const std::string& Headers() const { return headers_; }
    const std::string& Body() const { return body_; }
    // Whether the body was read until the server ended it, rather than a
    // read failing or a limit ending it.
    bool ReadToEnd() const { return readToEnd_; }

private:
    bool Send(const std::string& url, DWORD timeoutMs);
    void ReadHeaders();
    void ReadBody(const FeedLimits& limits, ULONGLONG started);

    InternetHandle connection_;
    InternetHandle request_;  // declared after its connection: closed before it
    std::string headers_;
    std::string body_;
    bool readToEnd_ = false;
};

// Fetches the feed and, when the answer is complete and successful, replaces
// the cache file with it; any other outcome leaves the old cache in place.
// True when the cache was replaced.
bool DownloadFeedToCache(const std::string& url, const std::wstring& cachePath,
                         const FeedLimits& limits = {});
