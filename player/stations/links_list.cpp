#include "links_list.h"

#include "xml_document.h"

namespace {

constexpr std::size_t kBuiltInLinks = 2;

}  // namespace

LinksList::LinksList() : entries{{L"Ticker", L"::Ticker::"}, {L"Update", L"::Update::"}} {}

bool LoadLinks(LinksList& links, const std::wstring& path) {
    auto document = NewXmlDocument();
    if (!document || !document->LoadFile(path)) return false;
    auto elements = document->SelectNodes(L"root/link");
    if (!elements) return false;
    const std::size_t count = elements->Length();
    links.entries.resize(kBuiltInLinks);
    for (std::size_t index = 0; index < count; ++index) {
        auto element = elements->Item(index);
        auto title = element ? SelectText(*element, L"@name") : std::nullopt;
        auto target = element ? element->Text() : std::nullopt;
        if (!title || !target) return false;
        links.entries.push_back({std::move(*title), std::move(*target)});
    }
    links.current = 0;
    return true;
}
