// The XML document over the system's MSXML DOMDocument.

#include "common/ports/xml_document.h"

#include "common/helpers/com_ptr.h"

#include <msxml2.h>

namespace {

// The version-independent DOMDocument class, so any installed MSXML serves.
const CLSID kDomDocumentClass = {
    0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
const IID kDocument2Interface = {
    0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

// Asks MSXML to refuse any document with a DTD while it parses, before an
// entity is expanded. Wine 8's MSXML takes the property and ignores it (a
// document with a DTD still loads); the check after each load
// (MsxmlDocument::Accepted) refuses such a document there, so this is asked
// for, not relied on.
void AskToProhibitDtds(IXMLDOMDocument& document) {
    ComPtr<IXMLDOMDocument2> document2;
    if (document.QueryInterface(kDocument2Interface, document2.PutVoid()) != S_OK) return;
    VARIANT prohibit;
    VariantInit(&prohibit);
    prohibit.vt = VT_BOOL;
    prohibit.boolVal = VARIANT_TRUE;
    document2->setProperty(Bstr(L"ProhibitDTD").Get(), prohibit);
}

// Documents come from the network: MSXML 3.0's defaults would fetch external
// entities (local files or other addresses, whose text then ends up in our
// values) and expand entities without limit. None of our files has a DTD, so
// none is allowed. False when a setting that must hold is refused.
bool ShutOutDtds(IXMLDOMDocument& document) {
    if (document.put_async(VARIANT_FALSE) != S_OK) return false;  // loads complete on return
    if (document.put_resolveExternals(VARIANT_FALSE) != S_OK) return false;
    if (document.put_validateOnParse(VARIANT_FALSE) != S_OK) return false;
    AskToProhibitDtds(document);
    return true;
}

// Holds a BSTR in a VARIANT for the calls that take a path that way; the
// VARIANT borrows the Bstr, which must outlive it.
VARIANT PathVariant(const Bstr& path) {
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_BSTR;
    variant.bstrVal = path.Get();
    return variant;
}

// Hands `node` to `visit` under its name.
bool VisitNamed(ComPtr<IXMLDOMNode> node, const XmlNodeVisitor& visit);

class MsxmlNode : public XmlNode {
public:
    explicit MsxmlNode(ComPtr<IXMLDOMNode> node) : node_(std::move(node)) {}

    IXMLDOMNode* Get() const { return node_.Get(); }

    std::unique_ptr<XmlNode> SelectSingle(std::wstring_view path) override {
        ComPtr<IXMLDOMNode> found;
        // S_FALSE means "not found"; only plain success counts.
        if (node_->selectSingleNode(Bstr(path).Get(), found.Put()) != S_OK || !found)
            return nullptr;
        return std::make_unique<MsxmlNode>(std::move(found));
    }

    std::unique_ptr<XmlNodeList> SelectNodes(std::wstring_view path) override;

    bool ForEachAttribute(const XmlNodeVisitor& visit) override {
        ComPtr<IXMLDOMNamedNodeMap> attributes;
        const HRESULT result = node_->get_attributes(attributes.Put());
        // Nodes other than elements answer S_FALSE and no map.
        if (result == S_FALSE || (result == S_OK && !attributes)) return true;
        long length = 0;
        if (result != S_OK || attributes->get_length(&length) != S_OK) return false;
        for (long index = 0; index < length; ++index) {
            ComPtr<IXMLDOMNode> attribute;
            if (attributes->get_item(index, attribute.Put()) != S_OK || !attribute) return false;
            if (!VisitNamed(std::move(attribute), visit)) return false;
        }
        return true;
    }

    // Sibling by sibling: the child list's items are looked up by index,
    // which costs more under Wine.
    bool ForEachChildElement(const XmlNodeVisitor& visit) override {
        ComPtr<IXMLDOMNode> child;
        HRESULT result = node_->get_firstChild(child.Put());
        while (result == S_OK && child) {
            DOMNodeType type = NODE_INVALID;
            if (child->get_nodeType(&type) != S_OK) return false;
            ComPtr<IXMLDOMNode> next;
            result = child->get_nextSibling(next.Put());
            if (type == NODE_ELEMENT && !VisitNamed(std::move(child), visit)) return false;
            child = std::move(next);
        }
        // S_FALSE: no (further) child.
        return result == S_OK || result == S_FALSE;
    }

    std::optional<std::wstring> Text() override {
        Bstr text;
        if (node_->get_text(text.Put()) != S_OK) return std::nullopt;
        return text.Text();
    }

    bool SetText(std::wstring_view text) override {
        return node_->put_text(Bstr(text).Get()) == S_OK;
    }

    bool AppendChild(XmlNode& child) override {
        auto* other = dynamic_cast<MsxmlNode*>(&child);
        if (!other) return false;
        ComPtr<IXMLDOMNode> appended;
        return node_->appendChild(other->Get(), appended.Put()) == S_OK;
    }

    bool AttachAttribute(XmlNode& attribute) override {
        auto* other = dynamic_cast<MsxmlNode*>(&attribute);
        if (!other) return false;
        ComPtr<IXMLDOMNamedNodeMap> attributes;
        if (node_->get_attributes(attributes.Put()) != S_OK || !attributes) return false;
        ComPtr<IXMLDOMNode> replaced;
        return attributes->setNamedItem(other->Get(), replaced.Put()) == S_OK;
    }

private:
    ComPtr<IXMLDOMNode> node_;
};

bool VisitNamed(ComPtr<IXMLDOMNode> node, const XmlNodeVisitor& visit) {
    Bstr name;
    if (node->get_nodeName(name.Put()) != S_OK) return false;
    MsxmlNode visited(std::move(node));
    // Borrowed, not copied: a directory has a name for every value it holds.
    visit(std::wstring_view(name.Get(), SysStringLen(name.Get())), visited);
    return true;
}

class MsxmlNodeList : public XmlNodeList {
public:
    MsxmlNodeList(ComPtr<IXMLDOMNodeList> list, std::size_t length)
        : list_(std::move(list)), length_(length) {}

    std::size_t Length() override { return length_; }

    std::unique_ptr<XmlNode> Item(std::size_t index) override {
        ComPtr<IXMLDOMNode> node;
        if (list_->get_item(static_cast<long>(index), node.Put()) != S_OK || !node) return nullptr;
        return std::make_unique<MsxmlNode>(std::move(node));
    }

private:
    ComPtr<IXMLDOMNodeList> list_;
    std::size_t length_;
};

// The list a selection answered, or null when it failed. A list that cannot
// tell its length is a failure too: read as empty, it would pass a broken
// document off as a valid file without entries.
std::unique_ptr<XmlNodeList> SelectedList(HRESULT result, ComPtr<IXMLDOMNodeList> list) {
    long length = 0;
    if (result != S_OK || !list || list->get_length(&length) != S_OK || length < 0)
        return nullptr;
    return std::make_unique<MsxmlNodeList>(std::move(list), static_cast<std::size_t>(length));
}

std::unique_ptr<XmlNodeList> MsxmlNode::SelectNodes(std::wstring_view path) {
    ComPtr<IXMLDOMNodeList> list;
    const HRESULT result = node_->selectNodes(Bstr(path).Get(), list.Put());
    return SelectedList(result, std::move(list));
}

template <class Interface>
std::unique_ptr<XmlNode> AsNode(ComPtr<Interface>& created) {
    ComPtr<IXMLDOMNode> node;
    if (!created || created->QueryInterface(IID_IXMLDOMNode, node.PutVoid()) != S_OK)
        return nullptr;
    return std::make_unique<MsxmlNode>(std::move(node));
}

class MsxmlDocument : public XmlDocument {
public:
    explicit MsxmlDocument(ComPtr<IXMLDOMDocument> document) : document_(std::move(document)) {}

    bool LoadFile(const std::wstring& path) override {
        const Bstr pathText(path);
        VARIANT_BOOL loaded = VARIANT_FALSE;
        const HRESULT result = document_->load(PathVariant(pathText), &loaded);
        return Accepted(result, loaded);
    }

    bool LoadText(std::wstring_view text) override {
        VARIANT_BOOL loaded = VARIANT_FALSE;
        const HRESULT result = document_->loadXML(Bstr(text).Get(), &loaded);
        return Accepted(result, loaded);
    }

    std::unique_ptr<XmlNodeList> SelectNodes(std::wstring_view path) override {
        ComPtr<IXMLDOMNodeList> list;
        const HRESULT result = document_->selectNodes(Bstr(path).Get(), list.Put());
        return SelectedList(result, std::move(list));
    }

    std::unique_ptr<XmlNode> SelectSingle(std::wstring_view path) override {
        ComPtr<IXMLDOMNode> found;
        if (document_->selectSingleNode(Bstr(path).Get(), found.Put()) != S_OK || !found)
            return nullptr;
        return std::make_unique<MsxmlNode>(std::move(found));
    }

    std::unique_ptr<XmlNode> CreateElement(std::wstring_view name) override {
        ComPtr<IXMLDOMElement> element;
        if (document_->createElement(Bstr(name).Get(), element.Put()) != S_OK) return nullptr;
        return AsNode(element);
    }

    std::unique_ptr<XmlNode> CreateAttribute(std::wstring_view name) override {
        ComPtr<IXMLDOMAttribute> attribute;
        if (document_->createAttribute(Bstr(name).Get(), attribute.Put()) != S_OK) return nullptr;
        return AsNode(attribute);
    }

    bool Save(const std::wstring& path) override {
        const Bstr pathText(path);
        return document_->save(PathVariant(pathText)) == S_OK;
    }

private:
    // A load counts only when it succeeded and the document declares no DTD:
    // an MSXML that ignores "ProhibitDTD" still loads one, and its
    // declarations are not ours to trust.
    bool Accepted(HRESULT result, VARIANT_BOOL loaded) {
        if (result != S_OK || loaded != VARIANT_TRUE) return false;
        ComPtr<IXMLDOMDocumentType> doctype;
        const HRESULT answer = document_->get_doctype(doctype.Put());
        return answer == S_FALSE || (answer == S_OK && !doctype);
    }

    ComPtr<IXMLDOMDocument> document_;
};

}  // namespace

std::unique_ptr<XmlDocument> NewXmlDocument() {
    ComPtr<IXMLDOMDocument> document;
    if (FAILED(CoCreateInstance(kDomDocumentClass, nullptr, CLSCTX_ALL, IID_IXMLDOMDocument,
                                document.PutVoid())) ||
        !ShutOutDtds(*document.Get())) {
        return nullptr;
    }
    return std::make_unique<MsxmlDocument>(std::move(document));
}
