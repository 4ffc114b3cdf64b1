#include "directory/downloads.h"

#include "common/helpers/web_url.h"
#include "common/ports/ansi_text.h"

#include <cstdint>

namespace {

std::wstring Limited(std::wstring error) {
    if (error.empty()) error = L"Download failed";
    if (error.size() > kMaxDownloadErrorLength) error.resize(kMaxDownloadErrorLength);
    return error;
}

// Why a transfer that ended without a transport error still does not count.
std::wstring RefusalOf(const HttpTransfer& transfer, std::uint64_t received) {
    if (!transfer.error.empty()) return transfer.error;
    if (transfer.status < 200 || transfer.status > 299)
        return L"The server answered with HTTP status " + std::to_wstring(transfer.status);
    if (transfer.announcedLength && *transfer.announcedLength != received)
        return L"The connection closed after " + std::to_wstring(received) + L" of " +
               std::to_wstring(*transfer.announcedLength) + L" bytes";
    return {};
}

std::wstring NotWebError(const std::wstring& url) {
    return Limited(L"Not a web address: " + url);
}

std::wstring TooLongError(std::uint64_t limit) {
    return L"The answer is longer than " + std::to_wstring(limit) + L" bytes";
}

}  // namespace

bool DownloadSucceeded(const std::wstring& result) {
    return result == kDownloadSucceeded;
}

std::wstring Downloader::DownloadToFile(const std::wstring& url, const std::wstring& path,
                                       const std::function<bool(std::string_view)>& accept) {
    if (!IsWebUrl(url)) return NotWebError(url);
    auto replacement = files_.Replace(path);
    if (!replacement) return Limited(L"Cannot create the file " + path);
    std::uint64_t received = 0;
    bool tooLarge = false;
    bool written = true;
    std::string body;  // kept only for `accept`
    const HttpTransfer transfer = Get(url, [&](std::string_view block) {
        received += block.size();
        tooLarge = received > kMaxDownloadFileBytes;
        written = !tooLarge && replacement->Write(block);
        if (written && accept) body.append(block);
        return written;
    });
    if (tooLarge) return Limited(TooLongError(kMaxDownloadFileBytes));
    if (!written) return Limited(L"Cannot write the file " + path);
    if (auto refusal = RefusalOf(transfer, received); !refusal.empty()) return Limited(refusal);
    // No data file is ever empty: an empty answer is a site that went wrong.
    if (received == 0) return L"The server sent an empty answer";
    if (accept && !accept(body)) return Limited(L"The answer is not the file asked for: " + url);
    if (!replacement->Commit()) return Limited(L"Cannot replace the file " + path);
    return kDownloadSucceeded;
}

std::wstring Downloader::DownloadToText(const std::wstring& url, std::wstring& text) {
    if (!IsWebUrl(url)) return NotWebError(url);
    std::string body;
    bool tooLarge = false;
    const HttpTransfer transfer = Get(url, [&](std::string_view block) {
        tooLarge = body.size() + block.size() > kMaxDownloadTextBytes;
        if (!tooLarge) body.append(block);
        return !tooLarge;
    });
    if (tooLarge) return Limited(TooLongError(kMaxDownloadTextBytes));
    if (auto refusal = RefusalOf(transfer, body.size()); !refusal.empty()) return Limited(refusal);
    // Converted whole: a block boundary may split a double-byte character.
    text += AnsiToWide(body);
    return kDownloadSucceeded;
}

HttpTransfer Downloader::Get(const std::wstring& url,
                             const std::function<bool(std::string_view)>& onBlock) {
    HttpTransfer transfer = http_.Get(url, onBlock);
    if (transfer.refused) refused_ = transfer.refused;
    return transfer;
}
