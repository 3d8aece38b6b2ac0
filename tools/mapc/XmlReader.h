#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace mapc {

// A small XML element tree: enough for the map files a tile editor writes
// (elements, attributes, text, comments, the declaration, character and the
// five predefined entity references). No namespaces, DTDs or CDATA tricks.
struct XmlElement {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::string text; // the element's own character data, concatenated
    std::vector<std::unique_ptr<XmlElement>> children;
    int line = 0; // where the start tag began, for messages

    // The first child with this name, or null.
    const XmlElement* Child(const std::string& childName) const;
    // Every child with this name, in document order.
    std::vector<const XmlElement*> Children(const std::string& childName) const;
    // The attribute's value, or `fallback` when it is missing.
    std::string Attribute(const std::string& key, const std::string& fallback = "") const;
    bool Has(const std::string& key) const { return attributes.count(key) != 0; }
};

struct XmlParseResult {
    std::unique_ptr<XmlElement> root; // null when parsing failed
    std::string error;                // why it failed
    int errorLine = 0;                // where it failed
};

XmlParseResult ParseXml(const std::string& text);

// Escapes the characters that may not stand as they are in an attribute value.
std::string XmlEscape(const std::string& text);

} // namespace mapc
