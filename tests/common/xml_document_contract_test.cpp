// What the data files' readers and writers rely on from the XML document; run
// against pugixml on the host and against MSXML under Wine.

#include "common/ports/xml_document.h"
#include "common/ports/xml_element_texts.h"
#include "tests/support/scratch_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

const wchar_t kStations[] =
    L"<root>"
    L"<station name=\"Alpha FM\"><homepage>http://alpha.example/</homepage><catid>5</catid></station>"
    L"<station name=\"Beta\"><homepage> http://beta.example/ </homepage></station>"
    L"<other/>"
    L"<station name=\"Gamma\"/>"
    L"</root>";

std::unique_ptr<XmlDocument> Loaded(std::wstring_view text) {
    auto document = NewXmlDocument();
    if (!document || !document->LoadText(text)) return nullptr;
    return document;
}

std::wstring TextOf(XmlNode& node, std::wstring_view path) {
    auto selected = node.SelectSingle(path);
    if (!selected) return L"<missing>";
    return selected->Text().value_or(L"<no text>");
}

std::vector<std::wstring> Names(XmlDocument& document, std::wstring_view path) {
    std::vector<std::wstring> names;
    auto list = document.SelectNodes(path);
    if (!list) return names;
    for (std::size_t i = 0; i < list->Length(); ++i) {
        auto item = list->Item(i);
        names.push_back(item ? TextOf(*item, L"@name") : L"<no item>");
    }
    return names;
}

TEST(XmlDocumentContract, ReadsElementsInDocumentOrderWithTheirChildrenAndAttributes) {
    auto document = Loaded(kStations);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(Names(*document, L"root/station"),
              (std::vector<std::wstring>{L"Alpha FM", L"Beta", L"Gamma"}));

    auto list = document->SelectNodes(L"root/station");
    ASSERT_NE(list, nullptr);
    auto first = list->Item(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(TextOf(*first, L"homepage"), L"http://alpha.example/");
    EXPECT_EQ(TextOf(*first, L"catid"), L"5");
    // Text as the element holds it, without surrounding white space.
    EXPECT_EQ(TextOf(*list->Item(1), L"homepage"), L"http://beta.example/");
}

TEST(XmlDocumentContract, NotFoundIsMissing) {
    auto document = Loaded(kStations);
    ASSERT_NE(document, nullptr);
    auto gamma = document->SelectNodes(L"root/station")->Item(2);
    ASSERT_NE(gamma, nullptr);
    EXPECT_EQ(gamma->SelectSingle(L"homepage"), nullptr);
    EXPECT_EQ(gamma->SelectSingle(L"@banner"), nullptr);
    EXPECT_EQ(document->SelectSingle(L"/nothing"), nullptr);
    EXPECT_EQ(document->SelectNodes(L"root/station")->Item(3), nullptr);
}

TEST(XmlDocumentContract, PathMatchingNothingGivesAnEmptyList) {
    auto document = Loaded(L"<root></root>");
    ASSERT_NE(document, nullptr);
    auto list = document->SelectNodes(L"root/queued");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Length(), 0u);
}

TEST(XmlDocumentContract, ElementsSelectTheirOwnChildrenOnly) {
    auto document = Loaded(L"<root><group name=\"a\"><item name=\"1\"/><item name=\"2\"/>"
                           L"<inner><item name=\"deep\"/></inner></group>"
                           L"<group name=\"b\"><item name=\"3\"/></group></root>");
    ASSERT_NE(document, nullptr);
    auto groups = document->SelectNodes(L"root/group");
    ASSERT_NE(groups, nullptr);
    ASSERT_EQ(groups->Length(), 2u);
    auto items = groups->Item(0)->SelectNodes(L"item");
    ASSERT_NE(items, nullptr);
    ASSERT_EQ(items->Length(), 2u);
    EXPECT_EQ(TextOf(*items->Item(1), L"@name"), L"2");
    EXPECT_EQ(groups->Item(1)->SelectNodes(L"item")->Length(), 1u);
    EXPECT_EQ(groups->Item(1)->SelectNodes(L"none")->Length(), 0u);
}

// Names and texts as a walk visits them, "@" marking attributes.
std::vector<std::wstring> Walked(XmlNode& node) {
    std::vector<std::wstring> walked;
    auto record = [&](const wchar_t* mark) {
        return [&walked, mark](std::wstring_view name, XmlNode& visited) {
            walked.push_back(mark + std::wstring(name) + L"=" + visited.Text().value_or(L"<no text>"));
        };
    };
    if (!node.ForEachAttribute(record(L"@"))) walked.push_back(L"<attributes broke off>");
    if (!node.ForEachChildElement(record(L""))) walked.push_back(L"<children broke off>");
    return walked;
}

TEST(XmlDocumentContract, WalksAttributesAndChildElementsInDocumentOrder) {
    auto document = Loaded(L"<root><station name=\"Alpha\" id=\"7\">lead text<banner>b</banner>"
                           L"<!-- note --><homepage> h <b>bold</b></homepage><banner>second</banner>"
                           L"<empty/></station></root>");
    ASSERT_NE(document, nullptr);
    auto station = document->SelectSingle(L"/root/station");
    ASSERT_NE(station, nullptr);
    EXPECT_EQ(Walked(*station),
              (std::vector<std::wstring>{L"@name=Alpha", L"@id=7", L"banner=b", L"homepage=h bold",
                                         L"banner=second", L"empty="}));
    auto name = station->SelectSingle(L"@name");
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(Walked(*name).empty());

    // Read in one walk, each value as SelectText reads it.
    const std::wstring_view paths[] = {L"banner", L"@name", L"@banner", L"homepage", L"missing"};
    EXPECT_EQ(SelectTexts(*station, paths),
              (std::vector<std::optional<std::wstring>>{L"b", L"Alpha", std::nullopt, L"h bold",
                                                        std::nullopt}));
}

TEST(XmlDocumentContract, MalformedOrMissingInputFailsToLoad) {
    auto document = NewXmlDocument();
    ASSERT_NE(document, nullptr);
    EXPECT_FALSE(document->LoadText(L"<root><station></root>"));
    EXPECT_FALSE(document->LoadText(L""));

    const std::wstring broken = ScratchFile(L"broken.xml");
    WriteBytes(broken, "<root><link><title>News</title></link>");
    EXPECT_FALSE(NewXmlDocument()->LoadFile(broken));
    EXPECT_FALSE(NewXmlDocument()->LoadFile(ScratchFile(L"does-not-exist.xml")));
}

// The file's address as an external entity names it: "file:///C:/..." on
// Windows, "file:///tmp/..." here.
std::wstring FileAddress(std::wstring path) {
    for (wchar_t& c : path) {
        if (c == L'\\') c = L'/';
    }
    return (path.starts_with(L"/") ? L"file://" : L"file:///") + path;
}

// What a document with a DTD could do to a reader: pull a local file's text
// into a value (a station's, sent out again with the now-playing fetch),
// expand entities until memory runs out. None of our files has a DTD, so any
// document that declares one is refused as broken, and the file's text never
// shows.
TEST(XmlDocumentContract, DocumentsDeclaringADtdAreRefused) {
    const std::wstring secret = ScratchFile(L"secret.txt");
    WriteBytes(secret, "local secret");
    const std::wstring external = L"<?xml version=\"1.0\"?><!DOCTYPE root [<!ENTITY leak SYSTEM \"" +
                                  FileAddress(secret) + L"\">]><root><s>&leak;</s></root>";
    const std::wstring nested =
        L"<!DOCTYPE root [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">"
        L"<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
        L"<root><s>&d;</s></root>";
    const std::wstring plain = L"<!DOCTYPE root><root><s>text</s></root>";
    const std::wstring declaredOnly = L"<!DOCTYPE root [<!ELEMENT root ANY>]><root><s>text</s></root>";

    const std::wstring path = ScratchFile(L"with-dtd.xml");
    for (const std::wstring& text : {external, nested, plain, declaredOnly}) {
        auto document = NewXmlDocument();
        ASSERT_NE(document, nullptr);
        EXPECT_FALSE(document->LoadText(text)) << std::string(text.begin(), text.end());
        auto value = document->SelectSingle(L"/root/s");
        EXPECT_TRUE(!value || value->Text().value_or(L"").find(L"secret") == std::wstring::npos);

        WriteBytes(path, std::string(text.begin(), text.end()));
        EXPECT_FALSE(NewXmlDocument()->LoadFile(path)) << std::string(text.begin(), text.end());
    }
    // The same document without its DTD still reads.
    EXPECT_NE(Loaded(L"<root><s>text</s></root>"), nullptr);
}

// Read as U+0000, an overlong NUL would cut a name short at the next save,
// merging two favourites; every malformed sequence is refused, and so is a
// reference to NUL.
TEST(XmlDocumentContract, MalformedUtf8AndNulFailToLoad) {
    const std::wstring path = ScratchFile(L"malformed.xml");
    for (const char* bytes : {"<root><station name=\"A\xC0\x80x\"/></root>",  // overlong NUL
                              "<root><s>\xE0\x80\xAF</s></root>",              // overlong "/"
                              "<root><s>\xED\xA0\x80</s></root>",              // a surrogate
                              "<root><s>\xF4\x90\x80\x80</s></root>",         // past U+10FFFF
                              "<root><s>\xE2\x82</s></root>",                  // cut short
                              "<root><s>\x80</s></root>",                      // stray byte
                              "<root><s>a&#0;b</s></root>", "<root><s a=\"&#x00;\"/></root>"}) {
        WriteBytes(path, bytes);
        EXPECT_FALSE(NewXmlDocument()->LoadFile(path)) << bytes;
    }
    EXPECT_FALSE(NewXmlDocument()->LoadText(L"<root><s>a&#0;b</s></root>"));
    WriteBytes(path, "<root><s>&#10;&#100;\xF4\x8F\xBF\xBF\xEF\xBF\xBD</s></root>");
    EXPECT_TRUE(NewXmlDocument()->LoadFile(path));
}

// A carriage return written as "&#13;" stays one through a save, in texts
// and in attribute values, whichever side saved the file.
TEST(XmlDocumentContract, CarriageReturnsSurviveASave) {
    auto document = Loaded(L"<root><station name=\"a&#13;b\">one&#13;two&#13;&#10;three</station></root>");
    ASSERT_NE(document, nullptr);
    auto root = document->SelectSingle(L"/root");
    ASSERT_NE(root, nullptr);
    ASSERT_TRUE(AppendTextElement(*document, *root, L"queued", L"four\rfive"));
    const std::wstring path = ScratchFile(L"carriage-returns.xml");
    ASSERT_TRUE(document->Save(path));

    auto reread = NewXmlDocument();
    ASSERT_TRUE(reread && reread->LoadFile(path));
    auto station = reread->SelectSingle(L"/root/station");
    ASSERT_NE(station, nullptr);
    EXPECT_EQ(TextOf(*station, L"@name"), L"a\rb");
    EXPECT_EQ(station->Text(), L"one\rtwo\r\nthree");
    auto queued = reread->SelectSingle(L"/root/queued");
    ASSERT_NE(queued, nullptr);
    EXPECT_EQ(queued->Text(), L"four\rfive");
}

// Builds the favourites-like file the writers make, saves it and reads it
// back, with texts outside ASCII on the way.
TEST(XmlDocumentContract, WrittenDocumentSavesAndLoadsAgainInOrder) {
    auto document = Loaded(L"<root></root>");
    ASSERT_NE(document, nullptr);
    auto root = document->SelectSingle(L"/root");
    ASSERT_NE(root, nullptr);

    const std::wstring names[] = {L"Radio Z\u00FCrich", L"\u0420\u0430\u0434\u0438\u043E \u20AC",
                                  L"Caf\u00E9 & <Jazz>"};
    for (const auto& name : names) {
        auto station = document->CreateElement(L"station");
        auto nameAttribute = document->CreateAttribute(L"name");
        ASSERT_TRUE(station && nameAttribute);
        ASSERT_TRUE(nameAttribute->SetText(name));
        ASSERT_TRUE(station->AttachAttribute(*nameAttribute));
        // The element goes into the tree before its child is added, and the
        // child is filled after it was appended: both must hold.
        ASSERT_TRUE(root->AppendChild(*station));
        auto homepage = document->CreateElement(L"homepage");
        ASSERT_TRUE(homepage);
        ASSERT_TRUE(station->AppendChild(*homepage));
        ASSERT_TRUE(homepage->SetText(name + L" home"));
    }

    const std::wstring path = ScratchFile(L"written.xml");
    ASSERT_TRUE(document->Save(path));

    auto reread = NewXmlDocument();
    ASSERT_TRUE(reread && reread->LoadFile(path));
    EXPECT_EQ(Names(*reread, L"root/station"),
              (std::vector<std::wstring>(std::begin(names), std::end(names))));
    auto list = reread->SelectNodes(L"root/station");
    for (std::size_t i = 0; i < std::size(names); ++i) {
        EXPECT_EQ(TextOf(*list->Item(i), L"homepage"), names[i] + L" home");
    }
}

TEST(XmlDocumentContract, NodesNotAppendedAreNotSaved) {
    auto document = Loaded(L"<root></root>");
    ASSERT_NE(document, nullptr);
    document->CreateElement(L"orphan");
    auto kept = document->CreateElement(L"queued");
    document->SelectSingle(L"/root")->AppendChild(*kept);

    const std::wstring path = ScratchFile(L"orphans.xml");
    ASSERT_TRUE(document->Save(path));
    auto reread = NewXmlDocument();
    ASSERT_TRUE(reread->LoadFile(path));
    EXPECT_EQ(reread->SelectNodes(L"root/queued")->Length(), 1u);
    EXPECT_EQ(reread->SelectNodes(L"orphan")->Length(), 0u);
    EXPECT_EQ(reread->SelectNodes(L"root/orphan")->Length(), 0u);
}

TEST(XmlDocumentContract, AttachingAnAttributeTwiceKeepsOneValue) {
    auto document = Loaded(L"<root><station/></root>");
    ASSERT_NE(document, nullptr);
    auto station = document->SelectSingle(L"/root/station");
    ASSERT_NE(station, nullptr);
    for (const wchar_t* value : {L"first", L"second"}) {
        auto attribute = document->CreateAttribute(L"name");
        attribute->SetText(value);
        ASSERT_TRUE(station->AttachAttribute(*attribute));
    }
    EXPECT_EQ(TextOf(*station, L"@name"), L"second");
}

TEST(XmlDocumentContract, ReadsUtf8FilesWithAndWithoutDeclaration) {
    const std::wstring declared = ScratchFile(L"declared.xml");
    WriteBytes(declared,
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<root><link><title>Nieuws \xE2\x82\xAC</title></link></root>\n");
    const std::wstring bare = ScratchFile(L"bare.xml");
    WriteBytes(bare, "<root><link><title>Caf\xC3\xA9</title></link></root>");

    for (const auto& [path, title] : {std::pair{declared, std::wstring(L"Nieuws \u20AC")},
                                      std::pair{bare, std::wstring(L"Caf\u00E9")}}) {
        auto document = NewXmlDocument();
        ASSERT_TRUE(document->LoadFile(path));
        auto links = document->SelectNodes(L"root/link");
        ASSERT_EQ(links->Length(), 1u);
        EXPECT_EQ(TextOf(*links->Item(0), L"title"), title);
    }
}

}  // namespace
