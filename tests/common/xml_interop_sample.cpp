#include "tests/common/xml_interop_sample.h"

#include "common/ports/xml_document.h"

#include <iterator>

namespace {

struct SampleStation {
    const wchar_t* name;
    const wchar_t* homepage;
};

const SampleStation kSample[] = {
    {L"Radio Z\u00FCrich", L"http://zuerich.example/?a=1&b=2"},
    {L"\u0420\u0430\u0434\u0438\u043E \u20AC", L"http://ru.example/"},
    {L"\u6771\u4EAC FM <live>", L"http://tokyo.example/\"quoted\""},
    {L"Plain", L""},
    {L"Line one\r\nline two", L"http://cr.example/a\rb"},
};

}  // namespace

bool WriteInteropSample(const std::wstring& path) {
    auto document = NewXmlDocument();
    if (!document || !document->LoadText(L"<root></root>")) return false;
    auto root = document->SelectSingle(L"/root");
    if (!root) return false;
    for (const auto& station : kSample) {
        auto element = document->CreateElement(L"station");
        auto name = document->CreateAttribute(L"name");
        auto homepage = document->CreateElement(L"homepage");
        if (!element || !name || !homepage || !name->SetText(station.name) ||
            !element->AttachAttribute(*name) || !homepage->SetText(station.homepage) ||
            !element->AppendChild(*homepage) || !root->AppendChild(*element)) {
            return false;
        }
    }
    return document->Save(path);
}

std::wstring CheckInteropSample(const std::wstring& path) {
    auto document = NewXmlDocument();
    if (!document || !document->LoadFile(path)) return L"the file does not load";
    auto list = document->SelectNodes(L"root/station");
    if (!list || list->Length() != std::size(kSample)) return L"wrong number of stations";
    for (std::size_t i = 0; i < std::size(kSample); ++i) {
        auto item = list->Item(i);
        auto name = item ? item->SelectSingle(L"@name") : nullptr;
        auto homepage = item ? item->SelectSingle(L"homepage") : nullptr;
        if (!name || name->Text() != kSample[i].name)
            return L"station " + std::to_wstring(i) + L": wrong name";
        if (!homepage || homepage->Text() != kSample[i].homepage)
            return L"station " + std::to_wstring(i) + L": wrong homepage";
    }
    return L"";
}
