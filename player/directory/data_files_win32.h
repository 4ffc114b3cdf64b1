#pragma once

#include "directory/data_files.h"

// The data files on disk. A replacement is written to a temporary file in the
// "Saving" folder beside the target (see common/ports/file_replace.h), so
// that putting it in place is a rename on one volume.
class Win32DataFiles : public DataFiles {
public:
    std::optional<std::string> Read(const std::wstring& path) override;
    bool Exists(const std::wstring& path) override;
    bool CreateFolder(const std::wstring& path) override;
    std::unique_ptr<FileReplacement> Replace(const std::wstring& path) override;
};

// Deletes the temporary files that killed downloads left in the application
// folder (with its trailing backslash) and its flags folder, or in their
// "Saving" folders; no other file is touched. Call it only while no download
// runs.
void RemoveLeftoverDownloads(const std::wstring& appFolder);

// Puts in place the station directory and the links that a download killed
// while copying them into place left waiting. Call it only while no download
// runs.
void FinishCutShortDownloads(const std::wstring& appFolder);
