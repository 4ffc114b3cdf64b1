#pragma once
// The copy's files on disk. Others may read a file while it grows (the
// recordings list, a player); a write the disk cannot take whole is taken
// back, so the file ends on a whole frame.

#include "common/helpers/scoped_handle.h"
#include "recording/copy/track_files.h"

class Win32TrackFiles : public TrackFiles {
public:
    bool Exists(const std::wstring& path) override;
    bool Create(const std::wstring& path) override;
    bool Append(std::string_view bytes) override;
    void Close() override { file_.Close(); }
    bool Rename(const std::wstring& from, const std::wstring& to) override;
    bool Remove(const std::wstring& path) override;

private:
    ScopedHandle file_;
};
