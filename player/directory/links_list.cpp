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

std::optional<LinksReading> ReadLinks(const std::wstring& path) {
    auto document = NewXmlDocument();
    if (!document || !document->LoadFile(path)) return std::nullopt;
    auto elements = document->SelectNodes(L"root/link");
    if (!elements) return std::nullopt;
    LinksReading reading;
    reading.complete = AppendLinks(*elements, reading.entries);
    return reading;
}

void ApplyLinks(LinksList& links, LinksReading reading) {
    links.entries.resize(kBuiltInLinks);
    for (LinkEntry& entry : reading.entries) links.entries.push_back(std::move(entry));
    // A partial file may leave fewer entries than the field's index counts.
    if (reading.complete || links.current >= links.entries.size()) links.current = 0;
}

bool LoadLinks(LinksList& links, const std::wstring& path) {
    auto reading = ReadLinks(path);
    if (!reading) return false;
    const bool complete = reading->complete;
    ApplyLinks(links, std::move(*reading));
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
