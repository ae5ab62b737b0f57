#include "book/XMLParser.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace quibel {

namespace {

const char sdeclwrong[] =
    "The xml declaration must have 'version' and 'encoding' and/or 'standalone' in this order.";
const char sdeclverunknown[] = "Unsupported XML version, must be '1.0'.";
const char sdeclencwrong[] = "Wrong XML encoding declaration.";
const char sdeclsdwrong[] = "Wrong XML standalone declaration, must be 'yes' or 'no'.";
const char sdeclpos[] = "The xml declaration must be on the first line and first character.";
const char spitargetmissing[] = "Processing Instruction target name missing.";
const char spitargetxml[] = "Processing Instruction target name is 'xml'.";
const char spitargetwrong[] = "Processing Instruction target name is not valid.";
const char scommentwrong[] = "Illegal sequence '--' in comment.";
const char scdatawrong[] = "Illegal sequence ']]>' in CDATA.";
const char srefmissingend[] = "Missing reference end ';'.";
const char srefwrong[] = "Reference name is not valid.";
const char sattrequal[] = "Missing equal sign for an attribute.";
const char sattrquote[] = "Missing quote for an attribute's value.";
const char sattrdouble[] = "Attribute %s already used.";
const char sattrempty[] = "Attribute's name is empty.";
const char smainempty[] = "The main xml document is empty.";
const char smissingendtag[] = "End of tag '%s' missing (%s).";
const char swrongname[] = "Imposible abrir o libro.";
const char sdtd[] = "DTD not handle in this version.";
const char sdepth[] = "Elements nested too deeply.";

// Byte classes.
enum : unsigned char { cBlank = 1, cNameStart = 2, cNameChar = 4, cHex = 8, cDigit = 16 };

constexpr std::array<unsigned char, 256> makeClasses() {
    std::array<unsigned char, 256> t{};
    t[9] = t[10] = t[13] = t[32] = cBlank;
    auto start = [&t](int c) { t[c] |= cNameStart | cNameChar; };
    start(':');
    start('_');
    for (int c = 'A'; c <= 'Z'; ++c)
        start(c);
    for (int c = 'a'; c <= 'z'; ++c)
        start(c);
    for (int c = 192; c <= 214; ++c)
        start(c);
    for (int c = 216; c <= 246; ++c)
        start(c);
    for (int c = 248; c <= 255; ++c)
        start(c);
    t['-'] |= cNameChar;
    t['.'] |= cNameChar;
    t[183] |= cNameChar;
    for (int c = '0'; c <= '9'; ++c)
        t[c] |= cNameChar | cDigit | cHex;
    for (int c = 'A'; c <= 'F'; ++c)
        t[c] |= cHex;
    for (int c = 'a'; c <= 'f'; ++c)
        t[c] |= cHex;
    return t;
}
constexpr std::array<unsigned char, 256> classes = makeClasses();

inline bool has(char c, unsigned char cls) {
    return classes[static_cast<unsigned char>(c)] & cls;
}
inline bool isBlank(char c) {
    return has(c, cBlank);
}
inline bool isNameStart(char c) {
    return has(c, cNameStart);
}
inline bool isNameChar(char c) {
    return has(c, cNameChar);
}

bool isName(const char* b, const char* e) {
    if (b == e || !isNameStart(*b)) return false;
    for (++b; b < e; ++b)
        if (!isNameChar(*b)) return false;
    return true;
}

// Trimming drops every byte up to and including the space at either end.
inline const char* trimLeft(const char* b, const char* e) {
    while (b < e && static_cast<unsigned char>(*b) <= ' ')
        ++b;
    return b;
}
inline const char* trimRight(const char* b, const char* e) {
    while (e > b && static_cast<unsigned char>(e[-1]) <= ' ')
        --e;
    return e;
}

inline bool startsWith(const char* p, const char* e, std::string_view s) {
    return size_t(e - p) >= s.size() && std::memcmp(p, s.data(), s.size()) == 0;
}

// First occurrence of pattern in [b, e), or null.
inline const char* find(const char* b, const char* e, std::string_view pattern) {
    std::string_view text(b, size_t(e - b));
    const size_t at = text.find(pattern);
    return at == std::string_view::npos ? nullptr : b + at;
}

inline bool isXmlAnyCase(const char* b, size_t n) {
    return n == 3 && (b[0] | 0x20) == 'x' && (b[1] | 0x20) == 'm' && (b[2] | 0x20) == 'l';
}

[[noreturn]] void fail(const char* message) {
    throw EXMLException(QByteArray(message));
}

[[noreturn]] void failMissingEnd(const QByteArray& tag, const QByteArray& end) {
    QByteArray m(smissingendtag);
    m.replace(m.indexOf("%s"), 2, tag);
    m.replace(m.lastIndexOf("%s"), 2, end);
    throw EXMLException(m);
}

[[noreturn]] void failDouble(const QByteArray& name) {
    QByteArray m(sattrdouble);
    m.replace(m.indexOf("%s"), 2, name);
    throw EXMLException(m);
}

void checkComment(const char* b, const char* e) {
    if (find(b, e, "--") || (e > b && e[-1] == '-')) fail(scommentwrong);
}

void appendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Appends the text [s, e) to out with its entity and character references decoded.
void decodeReferences(const char* s, const char* e, std::string& out) {
    // The first ";" at or after the last search, so that many "&" without a ";" stay linear.
    const char* semi = nullptr;
    bool noSemi = false;
    for (;;) {
        const char* amp = static_cast<const char*>(std::memchr(s, '&', size_t(e - s)));
        if (!amp) {
            out.append(s, e);
            return;
        }
        out.append(s, amp);
        s = amp + 1;
        if (s < e && *s == '#') {
            ++s;
            const bool hex = s < e && *s == 'x';
            if (hex) ++s;
            const char* digits = s;
            constexpr std::uint32_t tooLarge = 0x110000;
            std::uint32_t code = 0;
            for (; s < e && has(*s, hex ? cHex : cDigit); ++s) {
                const unsigned char d = static_cast<unsigned char>(*s);
                const std::uint32_t v = d <= '9' ? d - '0' : (d | 0x20) - 'a' + 10;
                if (code < tooLarge) code = std::min(code * (hex ? 16 : 10) + v, tooLarge);
            }
            if (s == e || *s != ';') fail(srefmissingend);
            if (s == digits || code == 0 || code >= tooLarge || (code >= 0xD800 && code <= 0xDFFF))
                fail(srefwrong);
            appendUtf8(out, code);
            ++s;
            continue;
        }
        if (!noSemi && (!semi || semi < s)) {
            semi = static_cast<const char*>(std::memchr(s, ';', size_t(e - s)));
            noSemi = !semi;
        }
        if (noSemi) continue; // no ";" anywhere later: the "&" is simply dropped
        if (!isName(s, semi)) fail(srefwrong);
        const std::string_view name(s, size_t(semi - s));
        if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "amp")
            out += '&';
        else if (name == "apos")
            out += '\'';
        else if (name == "quot")
            out += '"';
        else
            out.append(amp, semi + 1);
        s = semi + 1;
    }
}

// Value and name of a text node from its raw text [b, e): the value keeps the references, the
// name has them decoded; both trimmed. Nothing changes when the text is refused.
void setText(TXMLNode& node, const char* b, const char* e, QByteArray value, std::string& scratch) {
    b = trimLeft(b, e);
    e = trimRight(b, e);
    if (value.isNull() || value.size() != e - b) value = QByteArray(b, e - b);
    if (!std::memchr(b, '&', size_t(e - b))) {
        node.Name = value;
        node.Value = std::move(value);
        return;
    }
    scratch.clear();
    decodeReferences(b, e, scratch);
    const char* db = trimLeft(scratch.data(), scratch.data() + scratch.size());
    const char* de = trimRight(db, scratch.data() + scratch.size());
    node.Name = QByteArray(db, de - db);
    node.Value = std::move(value);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Lists

namespace detail {

template <class T> OwnedList<T>::~OwnedList() {
    clear();
    std::free(data_);
}

template <class T> void OwnedList<T>::grow() {
    const std::uint32_t capacity = capacity_ ? capacity_ * 2 : 1;
    void* data = std::realloc(data_, sizeof(T*) * capacity);
    if (!data) throw std::bad_alloc();
    data_ = static_cast<T**>(data);
    capacity_ = capacity;
}

template <class T> T* OwnedList<T>::push(std::unique_ptr<T> item) {
    if (size_ == capacity_) grow();
    data_[size_++] = item.get();
    return item.release();
}

template <class T> void OwnedList<T>::erase(int i) {
    T* item = data_[i];
    std::memmove(data_ + i, data_ + i + 1, sizeof(T*) * (size_ - std::uint32_t(i) - 1));
    --size_;
    delete item;
}

template <class T> void OwnedList<T>::clear() {
    while (size_ > 0) {
        T* item = data_[--size_];
        delete item;
    }
}

template class OwnedList<TXMLNode>;
template class OwnedList<TXMLAttribute>;

} // namespace detail

namespace {
[[noreturn]] void failIndex(int i) {
    throw EListIndexError("List index out of bounds (" + std::to_string(i) + ")");
}
} // namespace

TXMLAttribute* TXMLAttributes::Items(int i) const {
    if (i < 0 || i >= items_.size()) failIndex(i);
    return items_.at(i);
}

void TXMLAttributes::Add(std::unique_ptr<TXMLAttribute> attribute) {
    if (attribute->Name.isEmpty()) fail(sattrempty);
    for (int i = 0; i < items_.size(); ++i)
        if (items_.at(i)->Name == attribute->Name) failDouble(attribute->Name);
    items_.push(std::move(attribute));
}

void TXMLAttributes::Delete(int i) {
    if (i >= 0 && i < items_.size()) items_.erase(i);
}

void TXMLAttributes::Clear() {
    items_.clear();
}

TXMLNodes::~TXMLNodes() = default;

TXMLNode* TXMLNodes::Items(int i) const {
    if (i < 0 || i >= items_.size()) failIndex(i);
    return items_.at(i);
}

TXMLNode* TXMLNodes::Add(std::unique_ptr<TXMLNode> node) {
    node->ParentList = this;
    return items_.push(std::move(node));
}

void TXMLNodes::Delete(int i) {
    if (i >= 0 && i < items_.size()) items_.erase(i);
}

void TXMLNodes::Clear() {
    items_.clear();
}

// ---------------------------------------------------------------------------------------------
// Nodes

TXMLNode::TXMLNode(TXMLNodeType kind) : NodeType(kind) {
    if (kind == TXMLNodeType::ntElement) {
        Attributes = std::make_unique<TXMLAttributes>();
        Nodes = std::make_unique<TXMLNodes>(this);
    }
}

TXMLNode::~TXMLNode() = default;

TXMLNode* TXMLNode::AddChild(TXMLNodeType kind) {
    if (!Nodes) return nullptr;
    return Nodes->Add(std::make_unique<TXMLNode>(kind));
}

TXMLNode* TXMLNode::GetChild(int i) const {
    if (!Nodes || i < 0 || i >= Nodes->Count()) return nullptr;
    return Nodes->Items(i);
}

int TXMLNode::ChildCount() const {
    return Nodes ? Nodes->Count() : 0;
}

bool TXMLNode::HasAttributes() const {
    return Attributes && Attributes->Count() > 0;
}

void TXMLNode::SetName(const QByteArray& text) {
    if (text == Name) return;
    const char* b = text.constData();
    const char* e = b + text.size();
    switch (NodeType) {
    case TXMLNodeType::ntPI:
        if (!isName(b, e) || isXmlAnyCase(b, size_t(text.size()))) fail(spitargetwrong);
        break;
    case TXMLNodeType::ntCData:
        if (find(b, e, "]]>")) fail(scdatawrong);
        break;
    case TXMLNodeType::ntComment:
        checkComment(b, e);
        break;
    default:
        break;
    }
    Name = text;
}

void TXMLNode::SetValue(const QByteArray& text) {
    if (text == Value) return;
    if (NodeType == TXMLNodeType::ntText) {
        std::string scratch;
        setText(*this, text.constData(), text.constData() + text.size(), text, scratch);
    } else if (NodeType == TXMLNodeType::ntPI) {
        Value = text;
    }
}

// ---------------------------------------------------------------------------------------------
// Parser: one forward pass over the bytes of the stored text.

class XMLDocParser {
public:
    XMLDocParser(TXMLDoc& doc, const QByteArray& text)
        : doc_(doc), p_(text.constData()), e_(text.constData() + text.size()) {}

    void run();

private:
    void declaration();
    QByteArray declarationValue();
    void element(TXMLNodes& list, int depth);
    void attributes(TXMLNode& node);
    void content(TXMLNode& parent, int depth);
    void text(TXMLNodes& list);
    void comment(TXMLNodes& list);
    void cdata(TXMLNodes& list);
    void processingInstruction(TXMLNodes& list);

    void skipBlanks() {
        while (p_ < e_ && isBlank(*p_))
            ++p_;
    }
    const char* nameEnd(const char* p) const {
        while (p < e_ && isNameChar(*p))
            ++p;
        return p;
    }
    static TXMLNode* append(TXMLNodes& list, TXMLNodeType kind) {
        auto node = std::make_unique<TXMLNode>(kind);
        node->ParentList = &list;
        return list.items_.push(std::move(node));
    }

    // Names and short texts repeat all over a book ("paxina", "tipo", "1"): one shared copy of
    // each saves an allocation per node. Direct-mapped, so it never grows.
    const QByteArray& shared(const char* b, size_t n) {
        std::uint32_t h = 2166136261u;
        for (size_t i = 0; i < n; ++i)
            h = (h ^ static_cast<unsigned char>(b[i])) * 16777619u;
        QByteArray& slot = cache_[(h ^ (h >> 16)) % cache_.size()];
        if (size_t(slot.size()) != n || std::memcmp(slot.constData(), b, n) != 0)
            slot = QByteArray(b, qsizetype(n));
        return slot;
    }
    static constexpr size_t maxShared = 16;

    TXMLDoc& doc_;
    const char* p_;
    const char* const e_;
    std::array<QByteArray, 512> cache_;
    std::string scratch_;
};

void XMLDocParser::run() {
    if (p_ == e_) return;
    const char* lt = static_cast<const char*>(std::memchr(p_, '<', size_t(e_ - p_)));
    p_ = lt ? lt : e_;
    if (e_ - p_ >= 6 && startsWith(p_, e_, "<?xml") && isBlank(p_[5])) declaration();
    skipBlanks();
    bool root = false;
    while (p_ < e_) {
        if (e_ - p_ > 9 && startsWith(p_, e_, "<!DOCTYPE") && isBlank(p_[9])) fail(sdtd);
        if (startsWith(p_, e_, "<?")) {
            processingInstruction(doc_.Nodes);
        } else if (startsWith(p_, e_, "<!--")) {
            comment(doc_.Nodes);
        } else if (*p_ == '<' && !root) {
            element(doc_.Nodes, 1);
            root = true;
        } else {
            fail(smainempty);
        }
        skipBlanks();
    }
    if (!root) fail(smainempty);
}

void XMLDocParser::declaration() {
    p_ += 6;
    if (!startsWith(p_, e_, "version")) fail(sdeclwrong);
    p_ += 7;
    skipBlanks();
    if (p_ == e_ || *p_ != '=') fail(sattrequal);
    ++p_;
    skipBlanks();
    if (p_ == e_ || (*p_ != '"' && *p_ != '\'')) fail(sattrquote);
    const char quote = *p_++;
    if (!startsWith(p_, e_, "1.0")) fail(sdeclverunknown);
    p_ += 3;
    if (p_ == e_ || *p_ != quote) fail(sattrquote);
    ++p_;
    doc_.Declaration.Version = QByteArray("1.0");
    skipBlanks();

    if (startsWith(p_, e_, "encoding")) {
        p_ += 8;
        QByteArray value = declarationValue();
        if (!value.isEmpty()) {
            const char* b = value.constData();
            const char* e = b + value.size();
            const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
            bool valid = letter(*b);
            for (++b; valid && b < e; ++b)
                valid = letter(*b) || (*b >= '0' && *b <= '9') || *b == '.' || *b == '_' || *b == '-';
            if (!valid) fail(sdeclencwrong);
        }
        doc_.Declaration.Encoding = std::move(value);
        skipBlanks();
    }
    if (startsWith(p_, e_, "standalone")) {
        p_ += 10;
        QByteArray value = declarationValue();
        if (value != "yes" && value != "no") fail(sdeclsdwrong);
        doc_.Declaration.Standalone = std::move(value);
    }
    skipBlanks();
    if (!startsWith(p_, e_, "?>")) failMissingEnd("<?xml", "?>");
    p_ += 2;
}

// Blanks, "=", blanks and a quoted value, for the encoding and standalone of the declaration.
QByteArray XMLDocParser::declarationValue() {
    skipBlanks();
    if (p_ == e_ || *p_ != '=') fail(sattrequal);
    ++p_;
    skipBlanks();
    if (p_ == e_ || (*p_ != '"' && *p_ != '\'')) fail(sattrquote);
    const char quote = *p_++;
    const char* end = static_cast<const char*>(std::memchr(p_, quote, size_t(e_ - p_)));
    if (!end) fail(sattrquote);
    QByteArray value(p_, end - p_);
    p_ = end + 1;
    return value;
}

void XMLDocParser::element(TXMLNodes& list, int depth) {
    ++p_; // "<"
    if (p_ == e_ || !isNameStart(*p_)) fail(swrongname);
    if (depth > TXMLDoc::maxDepth) fail(sdepth);
    const char* name = p_;
    p_ = nameEnd(p_ + 1);
    TXMLNode* node = append(list, TXMLNodeType::ntElement);
    node->Name = shared(name, size_t(p_ - name));
    attributes(*node);
    if (startsWith(p_, e_, "/>")) {
        p_ += 2;
        return;
    }
    if (p_ == e_ || *p_ != '>') failMissingEnd("<", ">");
    ++p_;
    content(*node, depth);
}

void XMLDocParser::attributes(TXMLNode& node) {
    auto& items = node.Attributes->items_;
    // Up to this many attributes a linear look-up for repeated names is cheapest.
    constexpr int linearLimit = 16;
    std::optional<std::unordered_set<std::string_view>> names;
    for (;;) {
        skipBlanks();
        if (p_ == e_ || !isNameStart(*p_)) return;
        const char* name = p_;
        p_ = nameEnd(p_ + 1);
        const std::string_view nameView(name, size_t(p_ - name));
        skipBlanks();
        if (p_ == e_ || *p_ != '=') fail(sattrequal);
        ++p_;
        skipBlanks();
        if (p_ == e_ || (*p_ != '"' && *p_ != '\'')) fail(sattrquote);
        const char quote = *p_++;
        const char* end = static_cast<const char*>(std::memchr(p_, quote, size_t(e_ - p_)));
        if (!end) fail(sattrquote);

        bool repeated = false;
        if (items.size() < linearLimit) {
            for (int i = 0; i < items.size() && !repeated; ++i)
                repeated = std::string_view(items.at(i)->Name.constData(),
                                            size_t(items.at(i)->Name.size())) == nameView;
        } else {
            if (!names) {
                names.emplace();
                for (int i = 0; i < items.size(); ++i)
                    names->emplace(items.at(i)->Name.constData(), size_t(items.at(i)->Name.size()));
            }
            repeated = !names->insert(nameView).second;
        }
        if (repeated) failDouble(QByteArray(name, qsizetype(nameView.size())));

        // Copy the shared name before the value may take its cache slot.
        QByteArray attributeName = shared(name, nameView.size());
        const size_t length = size_t(end - p_);
        QByteArray value = length <= maxShared ? shared(p_, length) : QByteArray(p_, qsizetype(length));
        items.push(std::make_unique<TXMLAttribute>(std::move(attributeName), std::move(value)));
        p_ = end + 1;
    }
}

void XMLDocParser::content(TXMLNode& parent, int depth) {
    TXMLNodes& children = *parent.Nodes;
    const QByteArray& name = parent.Name;
    for (;;) {
        if (p_ == e_) failMissingEnd("<" + name + ">", "</" + name + ">");
        if (*p_ != '<') {
            text(children);
            continue;
        }
        const size_t left = size_t(e_ - p_);
        if (left >= 2 && p_[1] == '/' && left >= 2 + size_t(name.size()) &&
            std::memcmp(p_ + 2, name.constData(), size_t(name.size())) == 0) {
            const char* q = p_ + 2 + name.size();
            while (q < e_ && isBlank(*q))
                ++q;
            if (q < e_ && *q == '>') {
                p_ = q + 1;
                return;
            }
            // Any other end tag (also "</ab>" for the element a) is read as a child element,
            // whose name cannot begin with "/": the parse ends there.
        }
        if (left >= 2 && p_[1] == '?')
            processingInstruction(children);
        else if (startsWith(p_, e_, "<!--"))
            comment(children);
        else if (startsWith(p_, e_, "<![CDATA["))
            cdata(children);
        else
            element(children, depth + 1);
    }
}

void XMLDocParser::text(TXMLNodes& list) {
    const char* b = p_;
    const char* lt = static_cast<const char*>(std::memchr(p_, '<', size_t(e_ - p_)));
    p_ = lt ? lt : e_;
    b = trimLeft(b, p_);
    const char* e = trimRight(b, p_);
    if (b == e) return;
    TXMLNode* node = append(list, TXMLNodeType::ntText);
    const size_t length = size_t(e - b);
    setText(*node, b, e, length <= maxShared ? shared(b, length) : QByteArray(b, qsizetype(length)),
            scratch_);
}

void XMLDocParser::comment(TXMLNodes& list) {
    p_ += 4;
    const char* end = find(p_, e_, "-->");
    if (!end) failMissingEnd("<!--", "-->");
    checkComment(p_, end);
    append(list, TXMLNodeType::ntComment)->Name = QByteArray(p_, end - p_);
    p_ = end + 3;
}

void XMLDocParser::cdata(TXMLNodes& list) {
    p_ += 9;
    const char* end = find(p_, e_, "]]>");
    if (!end) failMissingEnd("<![CDATA[", "]]>");
    append(list, TXMLNodeType::ntCData)->Name = QByteArray(p_, end - p_);
    p_ = end + 3;
}

void XMLDocParser::processingInstruction(TXMLNodes& list) {
    p_ += 2;
    if (p_ == e_ || !isNameStart(*p_)) fail(spitargetmissing);
    const char* target = p_;
    p_ = nameEnd(p_ + 1);
    const size_t length = size_t(p_ - target);
    if (length == 3 && std::memcmp(target, "xml", 3) == 0) fail(sdeclpos);
    if (isXmlAnyCase(target, length)) fail(spitargetxml);
    skipBlanks();
    const char* end = find(p_, e_, "?>");
    if (!end) failMissingEnd("<?", "?>");
    TXMLNode* node = append(list, TXMLNodeType::ntPI);
    node->Name = shared(target, length);
    node->Value = QByteArray(p_, end - p_);
    p_ = end + 2;
}

// ---------------------------------------------------------------------------------------------
// Document

TXMLDoc::TXMLDoc() = default;

TXMLDoc::~TXMLDoc() {
    Clear();
}

void TXMLDoc::Clear() {
    Declaration.clear();
    Nodes.Clear();
    text_.clear();
    hasText_ = false;
}

void TXMLDoc::SetXML(const QByteArray& text) {
    if (hasText_ && text == text_) return;
    Clear();
    text_ = text;
    hasText_ = true;
    try {
        XMLDocParser(*this, text_).run();
    } catch (...) {
        Clear();
        throw;
    }
}

} // namespace quibel
