#pragma once
// The flag pictures of the station list, loaded once per file and shared by
// every row that shows the same flag. A directory of thousands of stations
// uses a few hundred flags; one bitmap per row would make every category
// change slow and could use up the process's GDI objects. The flags are
// drawn for 100%; at another display scale each is resized once, smoothly.

#include "common/scale/display_scale.h"
#include "common/window/gdi_object.h"

#include <map>
#include <string>

class FlagImages {
public:
    // The picture of the file at the scale, loaded at its first use; null
    // when the file cannot be loaded (asked again only after Forget). Owned
    // by this object. A new scale drops the pictures made for the old one.
    HBITMAP Get(const std::wstring& path, const DisplayScale& scale);

    // Drops every picture, for a new directory whose flag files may differ.
    void Forget() { images_.clear(); }

    std::size_t Count() const { return images_.size(); }

private:
    std::map<std::wstring, ScopedBitmap> images_;
    DisplayScale scale_;
};
