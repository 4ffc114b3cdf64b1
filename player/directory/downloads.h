#pragma once
// The player's downloads: a URL into a data file or into a text. Each returns
// "yes" on success and otherwise the reason, at most 254 characters long.
//
// Only a whole body with a 2xx status counts, and for a file only one that is
// not empty. A file is written beside the old one and replaces it only then,
// so an error page, an empty answer or a cut transfer never costs the user
// the copy that worked.

#include "directory/data_files.h"
#include "directory/http_client.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

inline constexpr wchar_t kDownloadSucceeded[] = L"yes";
inline constexpr std::size_t kMaxDownloadErrorLength = 254;
// A text is a web page naming a title. A station whose page address points at
// its endless stream would otherwise fill memory until the program fails.
inline constexpr std::size_t kMaxDownloadTextBytes = 4 * 1024 * 1024;
// The station file, the links and the flags are small; a site that sends
// more must not fill the user's disk.
inline constexpr std::uint64_t kMaxDownloadFileBytes = 32 * 1024 * 1024;

class Downloader {
public:
    Downloader(HttpClient& http, DataFiles& files) : http_(http), files_(files) {}

    // A body longer than kMaxDownloadFileBytes fails and keeps the old file.
    // With `accept`, a whole body that it refuses (a well-formed page that is
    // not the file asked for) fails too and keeps the old file.
    std::wstring DownloadToFile(const std::wstring& url, const std::wstring& path,
                                const std::function<bool(std::string_view)>& accept = {});
    // Appends the body, taken as ANSI text; on failure `text` is left as it was.
    // A body longer than kMaxDownloadTextBytes fails.
    std::wstring DownloadToText(const std::wstring& url, std::wstring& text);

    // Why the last https server this downloader was refused by was refused;
    // nothing when none was.
    std::optional<SecureConnectionProblem> Refused() const { return refused_; }

private:
    HttpTransfer Get(const std::wstring& url, const std::function<bool(std::string_view)>& onBlock);

    HttpClient& http_;
    DataFiles& files_;
    std::optional<SecureConnectionProblem> refused_;
};

bool DownloadSucceeded(const std::wstring& result);
