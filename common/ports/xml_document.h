#pragma once
// The XML document the data files are read and written through. On Windows it
// is the system's MSXML DOMDocument (xml_document_msxml.cpp); the host build
// uses pugixml (xml_document_pugi.cpp). Both keep document order and write
// files the other reads.
//
// Every operation's failure, including "no such node", reads as missing: a
// null node, an empty optional or false.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class XmlNode;
class XmlNodeList;

// Called with each node of a walk and its name ("name" for an attribute,
// "homepage" for an element); the node lives for the call only.
using XmlNodeVisitor = std::function<void(std::wstring_view name, XmlNode& node)>;

class XmlNode {
public:
    virtual ~XmlNode() = default;

    // "name" selects the first child element of that name, "@name" an
    // attribute.
    virtual std::unique_ptr<XmlNode> SelectSingle(std::wstring_view path) = 0;
    // Elements matching a path relative to this element, such as "item", in
    // document order; a path that matches nothing gives an empty list.
    virtual std::unique_ptr<XmlNodeList> SelectNodes(std::wstring_view path) = 0;
    // The element's attributes, and its child elements (text and other nodes
    // are passed over), each in document order: one walk costs far less than
    // one SelectSingle per wanted value. Nodes other than elements have
    // neither. False when the walk broke off.
    virtual bool ForEachAttribute(const XmlNodeVisitor& visit) = 0;
    virtual bool ForEachChildElement(const XmlNodeVisitor& visit) = 0;
    // Element text (the text it contains) or attribute value.
    virtual std::optional<std::wstring> Text() = 0;
    virtual bool SetText(std::wstring_view text) = 0;
    virtual bool AppendChild(XmlNode& child) = 0;
    // Attaches an attribute made by XmlDocument::CreateAttribute to this
    // element, replacing one of the same name.
    virtual bool AttachAttribute(XmlNode& attribute) = 0;
};

class XmlNodeList {
public:
    virtual ~XmlNodeList() = default;
    virtual std::size_t Length() = 0;
    virtual std::unique_ptr<XmlNode> Item(std::size_t index) = 0;
};

class XmlDocument {
public:
    virtual ~XmlDocument() = default;

    virtual bool LoadFile(const std::wstring& path) = 0;
    virtual bool LoadText(std::wstring_view text) = 0;
    // Elements matching a path such as "root/station", in document order; a
    // path that matches nothing gives an empty list, not a failure. Null when
    // the selection fails, or when the list cannot tell its length.
    virtual std::unique_ptr<XmlNodeList> SelectNodes(std::wstring_view path) = 0;
    // One node by path from the document, such as "/root".
    virtual std::unique_ptr<XmlNode> SelectSingle(std::wstring_view path) = 0;
    // New nodes belong to the document but stay outside its tree until they
    // are appended or attached.
    virtual std::unique_ptr<XmlNode> CreateElement(std::wstring_view name) = 0;
    virtual std::unique_ptr<XmlNode> CreateAttribute(std::wstring_view name) = 0;
    virtual bool Save(const std::wstring& path) = 0;
};

// A fresh, empty document; null when the XML component is not available. On
// Windows the calling thread must have initialised COM.
std::unique_ptr<XmlDocument> NewXmlDocument();

// The text of the child element or attribute `path` selects ("homepage",
// "@name"); nothing when either is missing.
inline std::optional<std::wstring> SelectText(XmlNode& node, std::wstring_view path) {
    auto selected = node.SelectSingle(path);
    return selected ? selected->Text() : std::nullopt;
}

// Appends a new element `name` holding `text` to `parent`, as the writers of
// the data files build their entries.
inline bool AppendTextElement(XmlDocument& document, XmlNode& parent, std::wstring_view name,
                              std::wstring_view text) {
    auto element = document.CreateElement(name);
    return element && element->SetText(text) && parent.AppendChild(*element);
}
