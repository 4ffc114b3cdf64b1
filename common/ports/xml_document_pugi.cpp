// The XML document over pugixml, for the host build.
//
// pugixml has no free-standing nodes, so elements made by CreateElement wait
// as children of a hidden top-level element until they are appended (moving
// keeps the node, so every handle to it and below it stays valid), and Save
// leaves that element out. Attributes wait as a name and value until they are
// attached.

#include "common/ports/xml_document.h"
#include "common/ports/xml_input_check.h"

#include <pugixml.hpp>

#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr const char* kPendingElements = "velmora-pending-nodes";

std::string Utf8(std::wstring_view text) {
    return pugi::as_utf8(std::wstring(text));
}

std::wstring Wide(const char* text) {
    return pugi::as_wide(text);
}

bool IsSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

// The text an element contains, trimmed at both ends, as MSXML's text
// property gives it.
std::wstring ElementText(const pugi::xml_node& element) {
    std::string all;
    for (const auto& node : element.select_nodes(".//text()")) all += node.node().value();
    std::wstring text = Wide(all.c_str());
    size_t first = 0;
    while (first < text.size() && IsSpace(text[first])) ++first;
    size_t last = text.size();
    while (last > first && IsSpace(text[last - 1])) --last;
    return text.substr(first, last - first);
}

// A wide path opened by its UTF-8 spelling, as pugixml's own file functions
// open it.
std::string FilePath(const std::wstring& path) {
    return Utf8(path);
}

// pugixml writes a carriage return in a text as it is, and loading folds it
// into a line break; MSXML writes "&#13;", which reads back as itself. Only
// texts can hold a raw one here: loading folds those everywhere else, and
// pugixml writes attribute values' as references already.
class CarriageReturnKeepingWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override {
        for (char c : std::string_view(static_cast<const char*>(data), size)) {
            if (c == '\r') {
                written += "&#13;";
            } else {
                written += c;
            }
        }
    }

    std::string written;
};

class PugiNode : public XmlNode {
public:
    explicit PugiNode(pugi::xml_node element) : element_(element) {}
    explicit PugiNode(pugi::xml_attribute attribute) : attribute_(attribute) {}
    explicit PugiNode(std::wstring pendingName) : pendingName_(std::move(pendingName)) {}

    std::unique_ptr<XmlNode> SelectSingle(std::wstring_view path) override {
        if (!element_ || path.empty()) return nullptr;
        if (path.front() == L'@') {
            auto attribute = element_.attribute(Utf8(path.substr(1)).c_str());
            return attribute ? std::make_unique<PugiNode>(attribute) : nullptr;
        }
        auto child = element_.child(Utf8(path).c_str());
        return child ? std::make_unique<PugiNode>(child) : nullptr;
    }

    std::unique_ptr<XmlNodeList> SelectNodes(std::wstring_view path) override;

    bool ForEachAttribute(const XmlNodeVisitor& visit) override {
        for (const auto& attribute : element_.attributes()) {
            PugiNode node(attribute);
            visit(Wide(attribute.name()), node);
        }
        return true;
    }

    bool ForEachChildElement(const XmlNodeVisitor& visit) override {
        for (const auto& child : element_.children()) {
            if (child.type() != pugi::node_element) continue;
            PugiNode node(child);
            visit(Wide(child.name()), node);
        }
        return true;
    }

    std::optional<std::wstring> Text() override {
        if (element_) return ElementText(element_);
        if (attribute_) return Wide(attribute_.value());
        if (!pendingName_.empty()) return pendingValue_;
        return std::nullopt;
    }

    bool SetText(std::wstring_view text) override {
        if (element_) {
            while (element_.first_child()) element_.remove_child(element_.first_child());
            return element_.text().set(Utf8(text).c_str());
        }
        if (attribute_) return attribute_.set_value(Utf8(text).c_str());
        if (pendingName_.empty()) return false;
        pendingValue_ = text;
        return true;
    }

    bool AppendChild(XmlNode& child) override {
        auto* node = dynamic_cast<PugiNode*>(&child);
        if (!element_ || !node || !node->element_) return false;
        node->element_ = element_.append_move(node->element_);
        return bool(node->element_);
    }

    bool AttachAttribute(XmlNode& attribute) override {
        auto* node = dynamic_cast<PugiNode*>(&attribute);
        if (!element_ || !node || node->pendingName_.empty()) return false;
        const std::string name = Utf8(node->pendingName_);
        auto attached = element_.attribute(name.c_str());
        if (!attached) attached = element_.append_attribute(name.c_str());
        if (!attached || !attached.set_value(Utf8(node->pendingValue_).c_str())) return false;
        node->attribute_ = attached;
        node->pendingName_.clear();
        return true;
    }

private:
    pugi::xml_node element_;
    pugi::xml_attribute attribute_;
    std::wstring pendingName_;  // an attribute not attached yet
    std::wstring pendingValue_;
};

class PugiNodeList : public XmlNodeList {
public:
    explicit PugiNodeList(pugi::xpath_node_set nodes) : nodes_(std::move(nodes)) {}

    std::size_t Length() override { return nodes_.size(); }

    std::unique_ptr<XmlNode> Item(std::size_t index) override {
        if (index >= nodes_.size()) return nullptr;
        const auto& found = nodes_[index];
        if (found.attribute()) return std::make_unique<PugiNode>(found.attribute());
        return std::make_unique<PugiNode>(found.node());
    }

private:
    pugi::xpath_node_set nodes_;
};

std::unique_ptr<XmlNodeList> PugiNode::SelectNodes(std::wstring_view path) {
    if (!element_) return std::make_unique<PugiNodeList>(pugi::xpath_node_set());
    try {
        return std::make_unique<PugiNodeList>(element_.select_nodes(Utf8(path).c_str()));
    } catch (const pugi::xpath_exception&) {
        return nullptr;
    }
}

class PugiDocument : public XmlDocument {
public:
    // The document type is kept so that a document declaring one can be
    // refused, as the Windows side refuses it.
    static constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_doctype;

    bool LoadFile(const std::wstring& path) override {
        std::ifstream file(FilePath(path), std::ios::binary);
        if (!file) return false;
        const std::string bytes{std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>()};
        if (file.bad() || !AcceptsXmlBytes(bytes)) return false;
        return Accepted(document_.load_buffer(bytes.data(), bytes.size(), kParseOptions));
    }

    bool LoadText(std::wstring_view text) override {
        if (!AcceptsXmlText(text)) return false;
        return Accepted(document_.load_buffer(text.data(), text.size() * sizeof(wchar_t),
                                              kParseOptions, pugi::encoding_wchar));
    }

    std::unique_ptr<XmlNodeList> SelectNodes(std::wstring_view path) override {
        try {
            return std::make_unique<PugiNodeList>(document_.select_nodes(Utf8(path).c_str()));
        } catch (const pugi::xpath_exception&) {
            return nullptr;
        }
    }

    std::unique_ptr<XmlNode> SelectSingle(std::wstring_view path) override {
        try {
            auto found = document_.select_node(Utf8(path).c_str());
            if (found.attribute()) return std::make_unique<PugiNode>(found.attribute());
            if (found.node()) return std::make_unique<PugiNode>(found.node());
        } catch (const pugi::xpath_exception&) {
        }
        return nullptr;
    }

    std::unique_ptr<XmlNode> CreateElement(std::wstring_view name) override {
        auto pending = document_.child(kPendingElements);
        if (!pending) pending = document_.append_child(kPendingElements);
        auto element = pending.append_child(Utf8(name).c_str());
        return element ? std::make_unique<PugiNode>(element) : nullptr;
    }

    std::unique_ptr<XmlNode> CreateAttribute(std::wstring_view name) override {
        if (name.empty()) return nullptr;
        return std::make_unique<PugiNode>(std::wstring(name));
    }

    bool Save(const std::wstring& path) override {
        pugi::xml_document copy;
        for (const auto& node : document_.children()) {
            if (std::string_view(node.name()) != kPendingElements) copy.append_copy(node);
        }
        CarriageReturnKeepingWriter writer;
        copy.save(writer, "\t", pugi::format_default, pugi::encoding_utf8);
        std::ofstream file(FilePath(path), std::ios::binary | std::ios::trunc);
        file << writer.written;
        file.close();
        return !file.fail();
    }

private:
    // A document with a DTD reads as broken, and leaves nothing behind.
    bool Accepted(const pugi::xml_parse_result& result) {
        for (const pugi::xml_node& node : document_.children()) {
            if (node.type() == pugi::node_doctype) {
                document_.reset();
                return false;
            }
        }
        return static_cast<bool>(result);
    }

    pugi::xml_document document_;
};

}  // namespace

std::unique_ptr<XmlDocument> NewXmlDocument() {
    return std::make_unique<PugiDocument>();
}
