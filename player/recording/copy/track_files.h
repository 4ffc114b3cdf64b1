#pragma once
// The files the copy of a station's stream writes, one at a time. The copy
// writes whole frames only, so a file that ends at a failed write still
// holds nothing but whole frames.

#include <string>
#include <string_view>

class TrackFiles {
public:
    virtual ~TrackFiles() = default;
    virtual bool Exists(const std::wstring& path) = 0;
    // A new file, never over one that exists; false when it cannot be made.
    virtual bool Create(const std::wstring& path) = 0;
    // Appends to the file made last; false when not all of it could be
    // written, and then the file ends where it ended before.
    virtual bool Append(std::string_view bytes) = 0;
    virtual void Close() = 0;
    virtual bool Rename(const std::wstring& from, const std::wstring& to) = 0;
    virtual bool Remove(const std::wstring& path) = 0;
};
