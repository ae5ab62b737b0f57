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

// Under AddressSanitizer the arena stays (it is the allocator that ships), and the part of each
// chunk not yet handed out is poisoned, so that a read past a node or a decoded name is caught.
#if defined(__SANITIZE_ADDRESS__)
#define QUIBEL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUIBEL_ASAN 1
#endif
#endif
#ifdef QUIBEL_ASAN
#include <sanitizer/asan_interface.h>
#define QUIBEL_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define QUIBEL_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define QUIBEL_POISON(p, n) ((void)(p), (void)(n))
#define QUIBEL_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

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

// For the short names and texts compared on every element, where a call to memcmp costs more
// than the comparison.
inline bool equalBytes(const char* a, const char* b, size_t n) {
    for (size_t i = 0; i < n; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// Makes room for one more entry before an object is made for it, so that the push cannot fail
// and leave the object without an owner. Grows by doubling, as push_back would.
template <class V> void roomForOne(V& v) {
    if (v.size() == v.capacity()) v.reserve(std::max<size_t>(16, v.capacity() * 2));
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

// The name of a text node whose trimmed raw text is [b, e): the text with its references
// decoded, trimmed again. Empty when the name is the raw text itself (no reference, or only
// unknown entity names, which come through unchanged); else the decoded bytes in scratch.
std::optional<std::string_view> decodedName(const char* b, const char* e, std::string& scratch) {
    if (!std::memchr(b, '&', size_t(e - b))) return std::nullopt;
    scratch.clear();
    decodeReferences(b, e, scratch);
    const char* db = trimLeft(scratch.data(), scratch.data() + scratch.size());
    const char* de = trimRight(db, scratch.data() + scratch.size());
    const std::string_view name(db, size_t(de - db));
    if (name == std::string_view(b, size_t(e - b))) return std::nullopt;
    return name;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Memory

namespace detail {

class Arena {
public:
    Arena() = default;
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;
    ~Arena() { release(); }

    void* allocate(size_t n) {
        const size_t rounded = (n + alignment - 1) & ~(alignment - 1);
        if (size_t(end_ - next_) < rounded) refill(rounded);
        void* p = next_;
        next_ += rounded;
        QUIBEL_UNPOISON(p, n);
        return p;
    }

    void release() {
        for (const Chunk& chunk : chunks_) {
            QUIBEL_UNPOISON(chunk.data, chunk.size);
            std::free(chunk.data);
        }
        chunks_.clear();
        next_ = end_ = nullptr;
        chunkSize_ = firstChunk;
    }

private:
    static constexpr size_t alignment = 8; // enough for every node type
    static constexpr size_t firstChunk = 4096;
    // Below the allocator's mmap threshold, so chunks are reused from parse to parse.
    static constexpr size_t lastChunk = 64 * 1024 - 64;

    struct Chunk {
        char* data;
        size_t size;
    };

    void refill(size_t n) {
        const size_t size = std::max(n, chunkSize_);
        chunkSize_ = std::min(chunkSize_ * 2, lastChunk);
        roomForOne(chunks_);
        char* chunk = static_cast<char*>(std::malloc(size));
        if (!chunk) throw std::bad_alloc();
        QUIBEL_POISON(chunk, size);
        chunks_.push_back({chunk, size});
        next_ = chunk;
        end_ = chunk + size;
    }

    char* next_ = nullptr;
    char* end_ = nullptr;
    size_t chunkSize_ = firstChunk;
    std::vector<Chunk> chunks_;
};

template <class T> OwnedList<T>::~OwnedList() {
    clear();
    if (capacity_) std::free(data_);
}

template <class T> void OwnedList<T>::grow() {
    const std::uint32_t capacity = size_ ? size_ * 2 : 1;
    void* data;
    if (capacity_) {
        data = std::realloc(data_, sizeof(T*) * capacity);
    } else { // empty, or an array lent by the arena
        data = std::malloc(sizeof(T*) * capacity);
        if (data && size_) std::memcpy(data, data_, sizeof(T*) * size_);
    }
    if (!data) throw std::bad_alloc();
    data_ = static_cast<T**>(data);
    capacity_ = capacity;
}

template <class T> T* OwnedList<T>::push(std::unique_ptr<T> item) {
    if (size_ == capacity_) grow();
    data_[size_++] = item.get();
    return item.release();
}

template <class T> void OwnedList<T>::adopt(T** items, std::uint32_t count, bool inArena) {
    if (capacity_) std::free(data_);
    data_ = items;
    size_ = count;
    capacity_ = inArena ? 0 : count;
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
    if (!capacity_) data_ = nullptr; // an arena's array goes with its arena
}

template class OwnedList<TXMLNode>;
template class OwnedList<TXMLAttribute>;

} // namespace detail

// ---------------------------------------------------------------------------------------------
// Lists

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
        : doc_(doc), arena_(*doc.arena_), p_(text.constData()), e_(text.constData() + text.size()) {}
    XMLDocParser(const XMLDocParser&) = delete;
    XMLDocParser& operator=(const XMLDocParser&) = delete;

    // Nodes not yet handed to a list belong to the parser until the parse ends.
    ~XMLDocParser() {
        for (auto it = pendingAttributes_.rbegin(); it != pendingAttributes_.rend(); ++it)
            delete *it;
        for (auto it = pending_.rbegin(); it != pending_.rend(); ++it)
            delete *it;
    }

    void run();

    // The delete of every node type: a node in the arena is only destroyed.
    template <class T> static void destroy(T* p) {
        const bool inArena = p->inArena_;
        p->~T();
        if (!inArena) ::operator delete(p);
    }

private:
    void declaration();
    QByteArray declarationValue();
    void element(int depth);
    void attributes(TXMLNode& owner);
    void content(TXMLNode& parent, int depth);
    void text();
    void comment();
    void cdata();
    void processingInstruction();

    void skipBlanks() {
        while (p_ < e_ && isBlank(*p_))
            ++p_;
    }
    const char* nameEnd(const char* p) const {
        while (p < e_ && isNameChar(*p))
            ++p;
        return p;
    }

    template <class T, class... Args> T* make(Args&&... args) {
        static_assert(alignof(T) <= 8);
#if QUIBEL_XML_ARENA
        T* item = new (arena_.allocate(sizeof(T))) T(std::forward<Args>(args)...);
        item->inArena_ = true;
        return item;
#else
        return new T(std::forward<Args>(args)...);
#endif
    }
    TXMLNode* node(TXMLNodeType kind) {
        roomForOne(pending_);
        TXMLNode* n = make<TXMLNode>(kind, TXMLNode::NoLists{});
        pending_.push_back(n);
        return n;
    }
    // Hands the pending entries from base on to the list, in one array of their exact number.
    template <class T, class List> void commit(std::vector<T*>& pending, size_t base, List& list) {
        const size_t count = pending.size() - base;
        if (count == 0) return;
#if QUIBEL_XML_ARENA
        T** items = static_cast<T**>(arena_.allocate(sizeof(T*) * count));
#else
        T** items = static_cast<T**>(std::malloc(sizeof(T*) * count));
        if (!items) throw std::bad_alloc();
#endif
        std::memcpy(items, pending.data() + base, sizeof(T*) * count);
        list.items_.adopt(items, std::uint32_t(count), QUIBEL_XML_ARENA);
        pending.resize(base);
    }

    // Names and short texts repeat all over a book ("paxina", "tipo", "1"): one shared copy of
    // each saves an allocation per node. Direct-mapped, so it never grows.
    const QByteArray& shared(const char* b, size_t n) {
        std::uint32_t h = 2166136261u;
        for (size_t i = 0; i < n; ++i)
            h = (h ^ static_cast<unsigned char>(b[i])) * 16777619u;
        QByteArray& slot = cache_[(h ^ (h >> 16)) % cache_.size()];
        if (size_t(slot.size()) != n || !equalBytes(slot.constData(), b, n))
            slot = QByteArray(b, qsizetype(n));
        return slot;
    }
    static constexpr size_t maxShared = 16;

    TXMLDoc& doc_;
    detail::Arena& arena_;
    const char* p_;
    const char* const e_;
    std::vector<TXMLNode*> pending_; // the children of the open elements, outermost first
    std::vector<TXMLAttribute*> pendingAttributes_;
    std::array<QByteArray, 512> cache_;
    std::string scratch_;
};

void TXMLAttribute::operator delete(TXMLAttribute* p, std::destroying_delete_t) {
    XMLDocParser::destroy(p);
}
void TXMLAttributes::operator delete(TXMLAttributes* p, std::destroying_delete_t) {
    XMLDocParser::destroy(p);
}
void TXMLNodes::operator delete(TXMLNodes* p, std::destroying_delete_t) {
    XMLDocParser::destroy(p);
}
void TXMLNode::operator delete(TXMLNode* p, std::destroying_delete_t) {
    XMLDocParser::destroy(p);
}

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
            processingInstruction();
        } else if (startsWith(p_, e_, "<!--")) {
            comment();
        } else if (*p_ == '<' && !root) {
            element(1);
            root = true;
        } else {
            fail(smainempty);
        }
        skipBlanks();
    }
    if (!root) fail(smainempty);
    for (TXMLNode* n : pending_)
        n->ParentList = &doc_.Nodes;
    commit(pending_, 0, doc_.Nodes);
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

void XMLDocParser::element(int depth) {
    ++p_; // "<"
    if (p_ == e_ || !isNameStart(*p_)) fail(swrongname);
    if (depth > TXMLDoc::maxDepth) fail(sdepth);
    const char* name = p_;
    p_ = nameEnd(p_ + 1);
    TXMLNode* elem = node(TXMLNodeType::ntElement);
    elem->Attributes.reset(make<TXMLAttributes>());
    elem->Nodes.reset(make<TXMLNodes>(elem));
    elem->Name = shared(name, size_t(p_ - name));
    attributes(*elem);
    if (startsWith(p_, e_, "/>")) {
        p_ += 2;
        return;
    }
    if (p_ == e_ || *p_ != '>') failMissingEnd("<", ">");
    ++p_;
    content(*elem, depth);
}

void XMLDocParser::attributes(TXMLNode& owner) {
    // Up to this many attributes a linear look-up for repeated names is cheapest.
    constexpr size_t linearLimit = 16;
    std::optional<std::unordered_set<std::string_view>> names;
    auto& pending = pendingAttributes_;
    for (;;) {
        skipBlanks();
        if (p_ == e_ || !isNameStart(*p_)) break;
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

        const auto view = [](const TXMLAttribute* a) {
            return std::string_view(a->Name.constData(), size_t(a->Name.size()));
        };
        bool repeated = false;
        if (pending.size() < linearLimit) {
            for (size_t i = 0; i < pending.size() && !repeated; ++i)
                repeated = view(pending[i]) == nameView;
        } else {
            if (!names) {
                names.emplace();
                for (const TXMLAttribute* a : pending)
                    names->insert(view(a));
            }
            repeated = !names->insert(nameView).second;
        }
        if (repeated) failDouble(QByteArray(name, qsizetype(nameView.size())));

        // Copy the shared name before the value may take its cache slot.
        QByteArray attributeName = shared(name, nameView.size());
        const size_t length = size_t(end - p_);
        QByteArray value = length <= maxShared ? shared(p_, length) : QByteArray(p_, qsizetype(length));
        roomForOne(pending);
        pending.push_back(make<TXMLAttribute>(std::move(attributeName), std::move(value)));
        p_ = end + 1;
    }
    commit(pending, 0, *owner.Attributes);
}

void XMLDocParser::content(TXMLNode& parent, int depth) {
    const QByteArray& name = parent.Name;
    const size_t base = pending_.size();
    for (;;) {
        if (p_ == e_) failMissingEnd("<" + name + ">", "</" + name + ">");
        if (*p_ != '<') {
            text();
            continue;
        }
        const size_t left = size_t(e_ - p_);
        if (left >= 2 && p_[1] == '/' && left >= 2 + size_t(name.size()) &&
            equalBytes(p_ + 2, name.constData(), size_t(name.size()))) {
            const char* q = p_ + 2 + name.size();
            while (q < e_ && isBlank(*q))
                ++q;
            if (q < e_ && *q == '>') {
                p_ = q + 1;
                TXMLNodes& children = *parent.Nodes;
                for (size_t i = base; i < pending_.size(); ++i)
                    pending_[i]->ParentList = &children;
                commit(pending_, base, children);
                return;
            }
            // Any other end tag (also "</ab>" for the element a) is read as a child element,
            // whose name cannot begin with "/": the parse ends there.
        }
        if (left >= 2 && p_[1] == '?')
            processingInstruction();
        else if (startsWith(p_, e_, "<!--"))
            comment();
        else if (startsWith(p_, e_, "<![CDATA["))
            cdata();
        else
            element(depth + 1);
    }
}

void XMLDocParser::text() {
    const char* b = p_;
    const char* lt = static_cast<const char*>(std::memchr(p_, '<', size_t(e_ - p_)));
    p_ = lt ? lt : e_;
    b = trimLeft(b, p_);
    const char* e = trimRight(b, p_);
    if (b == e) return;
    TXMLNode* textNode = node(TXMLNodeType::ntText);
    const size_t length = size_t(e - b);
    setText(*textNode, b, e, length <= maxShared ? shared(b, length) : QByteArray(b, qsizetype(length)),
            scratch_);
}

void XMLDocParser::comment() {
    p_ += 4;
    const char* end = find(p_, e_, "-->");
    if (!end) failMissingEnd("<!--", "-->");
    checkComment(p_, end);
    node(TXMLNodeType::ntComment)->Name = QByteArray(p_, end - p_);
    p_ = end + 3;
}

void XMLDocParser::cdata() {
    p_ += 9;
    const char* end = find(p_, e_, "]]>");
    if (!end) failMissingEnd("<![CDATA[", "]]>");
    node(TXMLNodeType::ntCData)->Name = QByteArray(p_, end - p_);
    p_ = end + 3;
}

void XMLDocParser::processingInstruction() {
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
    TXMLNode* pi = node(TXMLNodeType::ntPI);
    pi->Name = shared(target, length);
    pi->Value = QByteArray(p_, end - p_);
    p_ = end + 2;
}

// ---------------------------------------------------------------------------------------------
// Document

TXMLDoc::TXMLDoc() : arena_(std::make_unique<detail::Arena>()) {}

TXMLDoc::~TXMLDoc() {
    Clear();
}

void TXMLDoc::Clear() {
    Declaration.clear();
    Nodes.Clear();
    arena_->release();
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
