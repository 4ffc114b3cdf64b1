#pragma once
// Walks the ticker feed the way the channel texts are built: a cursor that
// starts at the document, steps down to the index-th element of a name below
// it and back up again.

#include "common/ports/xml_document.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class FeedReader {
public:
    // Null when the XML component is missing; every load then fails.
    explicit FeedReader(std::unique_ptr<XmlDocument> document);

    // The cursor is at the document afterwards.
    bool Load(const std::wstring& path);
    // Moves the cursor to the index-th element of that name below it; false,
    // with the cursor kept, when there is no such element.
    bool Select(std::wstring_view name, int index);
    int Count(std::wstring_view name);
    // The cursor element's attribute; nothing at the document or when absent.
    std::optional<std::wstring> Attribute(std::wstring_view name);
    // Back to where the cursor was before the last successful Select.
    void Up();

private:
    std::unique_ptr<XmlNodeList> ElementsBelowCursor(std::wstring_view name);

    std::unique_ptr<XmlDocument> document_;
    // The selected elements from the document down; the cursor is the last,
    // or the document itself when there is none.
    std::vector<std::unique_ptr<XmlNode>> path_;
};
