#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrowa {

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::uint32_t code, std::string& into);

// A reader of the XML in which Windows renders its events: elements, attributes, text, the five
// predefined entities and character references. Comments, processing instructions, CDATA sections
// and a document type are passed over unread, so no entity is ever defined or expanded. Several
// elements may stand at the top, as an export without a root element has them. The text may hold
// any bytes: a fault in it ends the reading with Error, from where SkipTo can go on.
class XmlReader {
public:
    enum class Token { StartTag, EndTag, Text, End, Error };

    explicit XmlReader(std::string_view text) : text_(text) {}

    // The next token. An element written as <a/> gives its StartTag and then its EndTag. Error
    // comes for a fault and after it until SkipTo; End only when every element was closed.
    Token Next();
    // Of the last StartTag or EndTag: the element's name without its namespace prefix.
    std::string_view Name() const { return name_; }
    // Of the last StartTag: the value of the attribute of that name (without prefix), with its
    // references replaced; nullptr when the element has none.
    const std::string* Attribute(std::string_view name) const;
    // Of the last Text: the text with its references replaced.
    const std::string& Text() const { return value_; }
    // How many elements are open.
    size_t Depth() const { return open_.size(); }
    // Passes over everything up to the next start tag named `name` (without prefix), which the
    // next call reads, and takes the elements open to be the outermost `depth` of those open now.
    // False, with End to come, when no such tag follows.
    bool SkipTo(std::string_view name, size_t depth);

    // Elements nested deeper than this are a fault: an event is four deep.
    static constexpr size_t kMaxDepth = 64;

private:
    Token Fail();
    std::optional<Token> ReadMarkup();
    Token ReadStartTag();
    Token ReadEndTag();
    Token ReadText();
    bool PassOver(std::string_view end);
    bool PassOverDocumentType();
    std::string_view ReadName();
    bool ReadAttribute();
    void SkipBlanks();
    // Appends `raw` to `into` with its references replaced; false for a reference that is none.
    static bool Decode(std::string_view raw, std::string& into);

    std::string_view text_;
    size_t at_ = 0;
    bool failed_ = false;
    bool closePending_ = false;  // the element of <a/> is still to give its EndTag
    std::vector<std::string_view> open_;  // names as written, prefix included
    std::string_view name_;
    std::string value_;
    std::vector<std::pair<std::string_view, std::string>> attributes_;
};

}  // namespace kestrowa
