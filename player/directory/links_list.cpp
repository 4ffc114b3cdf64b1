#include "directory/links_list.h"

#include "common/ports/ansi_text.h"
#include "common/ports/xml_document.h"

namespace {

constexpr std::size_t kBuiltInLinks = 2;

// Appends the links in order; false at the first one lacking its title or
// target, keeping those before it.
bool AppendLinks(XmlNodeList& elements, std::vector<LinkEntry>& entries) {
    for (std::size_t index = 0; index < elements.Length(); ++index) {
        auto element = elements.Item(index);
        auto title = element ? SelectText(*element, L"@name") : std::nullopt;
        auto target = element ? element->Text() : std::nullopt;
        if (!title || !target) return false;
        entries.push_back({std::move(*title), std::move(*target)});
    }
    return true;
}

}  // namespace

LinksList::LinksList() : entries{{L"Ticker", L"::Ticker::"}, {L"Update", L"::Update::"}} {}

bool LoadLinks(LinksList& links, const std::wstring& path) {
    auto document = NewXmlDocument();
    if (!document || !document->LoadFile(path)) return false;
    auto elements = document->SelectNodes(L"root/link");
    if (!elements) return false;
    links.entries.resize(kBuiltInLinks);
    const bool complete = AppendLinks(*elements, links.entries);
    // A partial file may leave fewer entries than the field's index counts.
    if (complete || links.current >= links.entries.size()) links.current = 0;
    return complete;
}

bool IsLinksDocument(std::string_view bytes) {
    auto document = NewXmlDocument();
    if (!document || !document->LoadText(AnsiToWide(bytes)) || !document->SelectSingle(L"/root"))
        return false;
    auto elements = document->SelectNodes(L"root/link");
    std::vector<LinkEntry> entries;
    return elements && AppendLinks(*elements, entries);
}
