#pragma once
// One HTTP GET of the ticker feed through WinInet, and the cache file it may
// replace. A new downloader is made for each download.

#include <windows.h>
#include <wininet.h>

#include <string>

class InternetHandle {
public:
    InternetHandle() = default;
    explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    ~InternetHandle() { Reset(nullptr); }
    void Reset(HINTERNET handle) {
        if (handle_) InternetCloseHandle(handle_);
        handle_ = handle;
    }
    HINTERNET Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HINTERNET handle_ = nullptr;  // owned
};

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
    InternetHandle request_;  // declared last: closed before its connection
    std::string headers_;
    std::string body_;
    bool readToEnd_ = false;
};

// Fetches the feed and, when the answer is complete and successful, replaces
// the cache file with it; any other outcome leaves the old cache in place.
// True when the cache was replaced.
bool DownloadFeedToCache(const std::string& url, const std::wstring& cachePath);
