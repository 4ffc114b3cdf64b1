#include "ticker/feed_reader.h"

FeedReader::FeedReader(std::unique_ptr<XmlDocument> document) : document_(std::move(document)) {}

bool FeedReader::Load(const std::wstring& path) {
    path_.clear();
    return document_ && document_->LoadFile(path);
}

std::unique_ptr<XmlNodeList> FeedReader::ElementsBelowCursor(std::wstring_view name) {
    if (!document_) return nullptr;
    return path_.empty() ? document_->SelectNodes(name) : path_.back()->SelectNodes(name);
}

bool FeedReader::Select(std::wstring_view name, int index) {
    auto elements = ElementsBelowCursor(name);
    if (!elements || index < 0 || static_cast<std::size_t>(index) >= elements->Length()) {
        return false;
    }
    auto element = elements->Item(static_cast<std::size_t>(index));
    if (!element) return false;
    path_.push_back(std::move(element));
    return true;
}

int FeedReader::Count(std::wstring_view name) {
    auto elements = ElementsBelowCursor(name);
    return elements ? static_cast<int>(elements->Length()) : 0;
}

std::optional<std::wstring> FeedReader::Attribute(std::wstring_view name) {
    if (path_.empty()) return std::nullopt;
    auto attribute = path_.back()->SelectSingle(L"@" + std::wstring(name));
    return attribute ? attribute->Text() : std::nullopt;
}

void FeedReader::Up() {
    if (!path_.empty()) path_.pop_back();
}
