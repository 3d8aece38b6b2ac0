#include "tools/mapc/XmlReader.h"

#include <cstdint>
#include <stdexcept>

namespace mapc {

const XmlElement* XmlElement::Child(const std::string& childName) const {
    for (const auto& child : children) {
        if (child->name == childName) {
            return child.get();
        }
    }
    return nullptr;
}

std::vector<const XmlElement*> XmlElement::Children(const std::string& childName) const {
    std::vector<const XmlElement*> found;
    for (const auto& child : children) {
        if (child->name == childName) {
            found.push_back(child.get());
        }
    }
    return found;
}

std::string XmlElement::Attribute(const std::string& key, const std::string& fallback) const {
    const auto found = attributes.find(key);
    return found == attributes.end() ? fallback : found->second;
}

namespace {

// Nesting deeper than this is not a map file; refusing it keeps the recursive
// descent's stack small whatever the input.
constexpr int kMaxDepth = 64;

class XmlError : public std::runtime_error {
public:
    XmlError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
    int Line() const { return line_; }

private:
    int line_;
};

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class Parser {
public:
    explicit Parser(const std::string& text) : text_(text) {}

    std::unique_ptr<XmlElement> Document() {
        SkipMisc();
        if (AtEnd()) {
            throw XmlError(line_, "no element");
        }
        auto root = Element(0);
        SkipMisc();
        if (!AtEnd()) {
            throw XmlError(line_, "text after the document element");
        }
        return root;
    }

private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    bool StartsWith(const char* prefix) const {
        return text_.compare(pos_, std::char_traits<char>::length(prefix), prefix) == 0;
    }

    void Advance(std::size_t count = 1) {
        for (std::size_t i = 0; i < count && !AtEnd(); ++i) {
            if (text_[pos_] == '\n') {
                ++line_;
            }
            ++pos_;
        }
    }

    void SkipSpace() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\r' || Peek() == '\n')) {
            Advance();
        }
    }

    void SkipPast(const char* terminator, const char* what) {
        const auto end = text_.find(terminator, pos_);
        if (end == std::string::npos) {
            throw XmlError(line_, std::string("unterminated ") + what);
        }
        Advance(end + std::char_traits<char>::length(terminator) - pos_);
    }

    // Blank space, comments, processing instructions and a doctype between elements.
    void SkipMisc() {
        for (;;) {
            SkipSpace();
            if (StartsWith("<?")) {
                SkipPast("?>", "processing instruction");
            } else if (StartsWith("<!--")) {
                SkipPast("-->", "comment");
            } else if (StartsWith("<!DOCTYPE")) {
                SkipPast(">", "doctype");
            } else {
                return;
            }
        }
    }

    static bool NameChar(char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-' || c == '.' || c == ':' ||
               (static_cast<unsigned char>(c) >= 0x80);
    }

    std::string Name() {
        const std::size_t start = pos_;
        while (!AtEnd() && NameChar(Peek())) {
            Advance();
        }
        if (start == pos_) {
            throw XmlError(line_, "a name was expected");
        }
        return text_.substr(start, pos_ - start);
    }

    // Character data up to `stop`, with references replaced.
    std::string Decoded(char stop) {
        std::string out;
        while (!AtEnd() && Peek() != stop) {
            if (Peek() == '<' && stop != '<') {
                throw XmlError(line_, "'<' inside an attribute value");
            }
            if (Peek() != '&') {
                out += Peek();
                Advance();
                continue;
            }
            const auto semicolon = text_.find(';', pos_);
            if (semicolon == std::string::npos || semicolon - pos_ > 12) {
                throw XmlError(line_, "malformed reference");
            }
            const std::string entity = text_.substr(pos_ + 1, semicolon - pos_ - 1);
            Advance(semicolon + 1 - pos_);
            if (entity == "amp") {
                out += '&';
            } else if (entity == "lt") {
                out += '<';
            } else if (entity == "gt") {
                out += '>';
            } else if (entity == "quot") {
                out += '"';
            } else if (entity == "apos") {
                out += '\'';
            } else if (entity.size() > 1 && entity[0] == '#') {
                const bool hex = entity[1] == 'x';
                const std::string digits = entity.substr(hex ? 2 : 1);
                std::uint32_t code = 0;
                if (digits.empty()) {
                    throw XmlError(line_, "malformed character reference");
                }
                for (char c : digits) {
                    int value = -1;
                    if (c >= '0' && c <= '9') {
                        value = c - '0';
                    } else if (hex && c >= 'a' && c <= 'f') {
                        value = c - 'a' + 10;
                    } else if (hex && c >= 'A' && c <= 'F') {
                        value = c - 'A' + 10;
                    }
                    if (value < 0 || code > 0x10FFFF) {
                        throw XmlError(line_, "malformed character reference");
                    }
                    code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(value);
                }
                if (code == 0 || code > 0x10FFFF) {
                    throw XmlError(line_, "character reference out of range");
                }
                AppendUtf8(out, code);
            } else {
                throw XmlError(line_, "unknown entity &" + entity + ";");
            }
        }
        return out;
    }

    std::unique_ptr<XmlElement> Element(int depth) {
        if (depth > kMaxDepth) {
            throw XmlError(line_, "elements nested too deeply");
        }
        if (Peek() != '<') {
            throw XmlError(line_, "'<' was expected");
        }
        auto element = std::make_unique<XmlElement>();
        element->line = line_;
        Advance();
        element->name = Name();
        for (;;) {
            SkipSpace();
            if (StartsWith("/>")) {
                Advance(2);
                return element;
            }
            if (Peek() == '>') {
                Advance();
                break;
            }
            const std::string key = Name();
            SkipSpace();
            if (Peek() != '=') {
                throw XmlError(line_, "'=' was expected after attribute " + key);
            }
            Advance();
            SkipSpace();
            const char quote = Peek();
            if (quote != '"' && quote != '\'') {
                throw XmlError(line_, "a quoted value was expected for attribute " + key);
            }
            Advance();
            std::string value = Decoded(quote);
            if (AtEnd()) {
                throw XmlError(line_, "unterminated attribute value");
            }
            Advance();
            if (!element->attributes.emplace(key, std::move(value)).second) {
                throw XmlError(line_, "attribute " + key + " given twice");
            }
        }
        for (;;) {
            if (AtEnd()) {
                throw XmlError(element->line, "element <" + element->name + "> is not closed");
            }
            if (StartsWith("</")) {
                Advance(2);
                const std::string closing = Name();
                if (closing != element->name) {
                    throw XmlError(line_, "</" + closing + "> closes <" + element->name + ">");
                }
                SkipSpace();
                if (Peek() != '>') {
                    throw XmlError(line_, "'>' was expected");
                }
                Advance();
                return element;
            }
            if (StartsWith("<!--")) {
                SkipPast("-->", "comment");
            } else if (StartsWith("<![CDATA[")) {
                Advance(9);
                const auto end = text_.find("]]>", pos_);
                if (end == std::string::npos) {
                    throw XmlError(line_, "unterminated CDATA section");
                }
                element->text += text_.substr(pos_, end - pos_);
                Advance(end + 3 - pos_);
            } else if (StartsWith("<?")) {
                SkipPast("?>", "processing instruction");
            } else if (Peek() == '<') {
                element->children.push_back(Element(depth + 1));
            } else {
                element->text += Decoded('<');
            }
        }
    }

    const std::string& text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

} // namespace

XmlParseResult ParseXml(const std::string& text) {
    XmlParseResult result;
    try {
        result.root = Parser(text).Document();
    } catch (const XmlError& error) {
        result.error = error.what();
        result.errorLine = error.Line();
    }
    return result;
}

std::string XmlEscape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace mapc
