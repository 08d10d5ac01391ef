#include "viewer/history/XmlReader.h"

#include <cstdint>
#include <optional>

namespace kestrowa {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A character that ends a name: markup, quotes, a blank.
bool EndsName(char c) {
    return IsBlank(c) || c == '/' || c == '>' || c == '=' || c == '<' || c == '&' || c == '"' || c == '\'';
}

std::string_view LocalName(std::string_view name) {
    const size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

}  // namespace

void AppendUtf8(std::uint32_t code, std::string& into) {
    if (code < 0x80) {
        into += static_cast<char>(code);
    } else if (code < 0x800) {
        into += static_cast<char>(0xC0 | (code >> 6));
        into += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        into += static_cast<char>(0xE0 | (code >> 12));
        into += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        into += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        into += static_cast<char>(0xF0 | (code >> 18));
        into += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        into += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        into += static_cast<char>(0x80 | (code & 0x3F));
    }
}

namespace {

// The code point of "#123" or "#x7B"; 0 for anything that names no character XML allows.
std::uint32_t CharacterReference(std::string_view ref) {
    const bool hex = ref.size() > 1 && ref[1] == 'x';
    std::string_view digits = ref.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8) return 0;
    std::uint32_t code = 0;
    for (char c : digits) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return 0;
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
    }
    const bool allowed = code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code < 0xD800) ||
                         (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
    return allowed ? code : 0;
}

}  // namespace

const std::string* XmlReader::Attribute(std::string_view name) const {
    for (const auto& [attributeName, value] : attributes_)
        if (LocalName(attributeName) == name) return &value;
    return nullptr;
}

XmlReader::Token XmlReader::Fail() {
    failed_ = true;
    return Token::Error;
}

XmlReader::Token XmlReader::Next() {
    if (failed_) return Token::Error;
    if (closePending_) {
        closePending_ = false;
        name_ = LocalName(open_.back());
        open_.pop_back();
        return Token::EndTag;
    }
    for (;;) {
        if (at_ >= text_.size()) return open_.empty() ? Token::End : Fail();
        if (text_[at_] != '<') return ReadText();
        if (const std::optional<Token> token = ReadMarkup()) return *token;
    }
}

// A tag; nullopt for markup passed over unread.
std::optional<XmlReader::Token> XmlReader::ReadMarkup() {
    const std::string_view rest = text_.substr(at_);
    auto passed = [this](bool found) { return found ? std::nullopt : std::optional<Token>(Fail()); };
    if (rest.starts_with("<?")) return passed(PassOver("?>"));
    if (rest.starts_with("<!--")) return passed(PassOver("-->"));
    if (rest.starts_with("<![CDATA[")) return passed(PassOver("]]>"));
    if (rest.starts_with("<!")) return passed(PassOverDocumentType());
    if (rest.starts_with("</")) return ReadEndTag();
    return ReadStartTag();
}

bool XmlReader::PassOver(std::string_view end) {
    const size_t found = text_.find(end, at_ + 2);
    if (found == std::string_view::npos) return false;
    at_ = found + end.size();
    return true;
}

// <!DOCTYPE ...> with its internal subset in brackets, passed over whole.
bool XmlReader::PassOverDocumentType() {
    int brackets = 0;
    for (size_t i = at_ + 2; i < text_.size(); ++i) {
        const char c = text_[i];
        if (c == '[') ++brackets;
        else if (c == ']') --brackets;
        else if (c == '>' && brackets <= 0) {
            at_ = i + 1;
            return true;
        }
    }
    return false;
}

std::string_view XmlReader::ReadName() {
    const size_t first = at_;
    while (at_ < text_.size() && !EndsName(text_[at_])) ++at_;
    return text_.substr(first, at_ - first);
}

void XmlReader::SkipBlanks() {
    while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
}

XmlReader::Token XmlReader::ReadStartTag() {
    ++at_;
    const std::string_view name = ReadName();
    if (name.empty() || open_.size() >= kMaxDepth) return Fail();
    attributes_.clear();
    for (;;) {
        const size_t before = at_;
        SkipBlanks();
        if (at_ >= text_.size()) return Fail();
        if (text_[at_] == '>') {
            ++at_;
            break;
        }
        if (text_.substr(at_).starts_with("/>")) {
            at_ += 2;
            closePending_ = true;
            break;
        }
        // Attributes are set apart from the name and from each other by blanks.
        if (at_ == before || !ReadAttribute()) return Fail();
    }
    open_.push_back(name);
    name_ = LocalName(name);
    return Token::StartTag;
}

bool XmlReader::ReadAttribute() {
    const std::string_view name = ReadName();
    if (name.empty()) return false;
    SkipBlanks();
    if (at_ >= text_.size() || text_[at_] != '=') return false;
    ++at_;
    SkipBlanks();
    if (at_ >= text_.size() || (text_[at_] != '"' && text_[at_] != '\'')) return false;
    const char quote = text_[at_++];
    const size_t end = text_.find(quote, at_);
    if (end == std::string_view::npos) return false;
    const std::string_view raw = text_.substr(at_, end - at_);
    at_ = end + 1;
    if (raw.find('<') != std::string_view::npos) return false;
    std::string value;
    if (!Decode(raw, value)) return false;
    attributes_.emplace_back(name, std::move(value));
    return true;
}

XmlReader::Token XmlReader::ReadEndTag() {
    at_ += 2;
    const std::string_view name = ReadName();
    SkipBlanks();
    if (at_ >= text_.size() || text_[at_] != '>' || open_.empty() || open_.back() != name) return Fail();
    ++at_;
    open_.pop_back();
    name_ = LocalName(name);
    return Token::EndTag;
}

XmlReader::Token XmlReader::ReadText() {
    size_t end = text_.find('<', at_);
    if (end == std::string_view::npos) end = text_.size();
    value_.clear();
    if (!Decode(text_.substr(at_, end - at_), value_)) return Fail();
    at_ = end;
    return Token::Text;
}

bool XmlReader::Decode(std::string_view raw, std::string& into) {
    for (size_t i = 0; i < raw.size();) {
        const size_t amp = raw.find('&', i);
        if (amp == std::string_view::npos) {
            into.append(raw.substr(i));
            break;
        }
        into.append(raw.substr(i, amp - i));
        const size_t semicolon = raw.find(';', amp);
        if (semicolon == std::string_view::npos) return false;
        const std::string_view ref = raw.substr(amp + 1, semicolon - amp - 1);
        if (ref == "lt") into += '<';
        else if (ref == "gt") into += '>';
        else if (ref == "amp") into += '&';
        else if (ref == "quot") into += '"';
        else if (ref == "apos") into += '\'';
        else if (!ref.empty() && ref[0] == '#') {
            const std::uint32_t code = CharacterReference(ref);
            if (code == 0) return false;
            AppendUtf8(code, into);
        } else {
            return false;
        }
        i = semicolon + 1;
    }
    return true;
}

bool XmlReader::SkipTo(std::string_view name, size_t depth) {
    failed_ = closePending_ = false;
    if (depth < open_.size()) open_.resize(depth);
    for (size_t from = at_;;) {
        const size_t lt = text_.find('<', from);
        if (lt == std::string_view::npos) break;
        size_t end = lt + 1;
        while (end < text_.size() && !EndsName(text_[end])) ++end;
        if (end < text_.size() && LocalName(text_.substr(lt + 1, end - lt - 1)) == name) {
            at_ = lt;
            return true;
        }
        from = lt + 1;
    }
    at_ = text_.size();
    open_.clear();
    return false;
}

}  // namespace kestrowa
