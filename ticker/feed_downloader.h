#pragma once
// One HTTP GET of the ticker feed through WinInet, and the cache file it may
// replace. A new downloader is made for each download.

#include "internet_session.h"

#include <string>

class FeedDownloader {
public:
    // Sends the request and reads the whole answer. False when the request
    // could not be sent; otherwise the headers and the body are kept.
    bool Fetch(const std::string& url);

    const std::string& Headers() const { return headers_; }
    const std::string& Body() const { return body_; }
    // Whether the body was read until the server ended it, rather than a
    // read failing.
    bool ReadToEnd() const { return readToEnd_; }

private:
    bool Send(const std::string& url);
    void ReadHeaders();
    void ReadBody();

    InternetHandle connection_;
    InternetHandle request_;  // declared after its connection: closed before it
    std::string headers_;
    std::string body_;
    bool readToEnd_ = false;
};

// Fetches the feed and, when the answer is complete and successful, replaces
// the cache file with it; any other outcome leaves the old cache in place.
// True when the cache was replaced.
bool DownloadFeedToCache(const std::string& url, const std::wstring& cachePath);
