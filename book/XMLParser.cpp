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

// First c in [b, e), or null. Most values and texts of a book are short, where a plain loop
// beats the call to memchr.
inline const char* findByte(const char* b, const char* e, char c) {
    for (const char* stop = std::min(e, b + 16); b < stop; ++b)
        if (*b == c) return b;
    return b < e ? static_cast<const char*>(std::memchr(b, c, size_t(e - b))) : nullptr;
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
    if (!findByte(b, e, '&')) return std::nullopt;
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

// Memory handed out in order from chunks that are freed together. A pool of objects of one size
// can go over them in the order they were made.
class Pool {
public:
    Pool() = default;
    Pool(const Pool&) = delete;
    Pool& operator=(const Pool&) = delete;
    ~Pool() { release(); }

    [[gnu::always_inline]] void* allocate(size_t n) {
        const size_t rounded = aligned(n);
        if (size_t(end_ - next_) < rounded) refill(rounded);
        void* p = next_;
        next_ += rounded;
        QUIBEL_UNPOISON(p, n);
        return p;
    }

    // Calls f on every T made here since the last release, oldest first.
    template <class T, class F> void forEach(F f) {
        constexpr size_t stride = aligned(sizeof(T));
        for (size_t k = 0; k < chunks_.size(); ++k) {
            char* p = chunks_[k].data;
            char* const end = k + 1 == chunks_.size() ? next_ : p + chunks_[k].used;
            for (; p < end; p += stride)
                f(*std::launder(reinterpret_cast<T*>(p)));
        }
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

    static constexpr size_t aligned(size_t n) { return (n + alignment - 1) & ~(alignment - 1); }

    struct Chunk {
        char* data;
        size_t size;
        size_t used;
    };

    [[gnu::noinline]] void refill(size_t n) {
        const size_t size = std::max(n, chunkSize_);
        chunkSize_ = std::min(chunkSize_ * 2, lastChunk);
        roomForOne(chunks_);
        char* chunk = static_cast<char*>(std::malloc(size));
        if (!chunk) throw std::bad_alloc();
        QUIBEL_POISON(chunk, size);
        if (!chunks_.empty()) chunks_.back().used = size_t(next_ - chunks_.back().data);
        chunks_.push_back({chunk, size, 0});
        next_ = chunk;
        end_ = chunk + size;
    }

    char* next_ = nullptr;
    char* end_ = nullptr;
    size_t chunkSize_ = firstChunk;
    std::vector<Chunk> chunks_;
};

// A pool for each node type, which the document goes over in order when it frees a tree, and
// one for the lists' arrays and the decoded names.
class Arena {
public:
    Pool nodes, nodeLists, attributeLists, attributes, bytes;

    Pool& of(const TXMLNode*) { return nodes; }
    Pool& of(const TXMLNodes*) { return nodeLists; }
    Pool& of(const TXMLAttributes*) { return attributeLists; }
    Pool& of(const TXMLAttribute*) { return attributes; }

    void release() {
        for (Pool* pool : {&nodes, &nodeLists, &attributeLists, &attributes, &bytes})
            pool->release();
    }
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
    if (size_ >= capacity_) grow(); // an arena's array (capacity 0) has no room to spare
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
    for (std::uint32_t i = 0; i < size_; ++i)
        delete data_[i];
    size_ = 0;
    if (!capacity_) data_ = nullptr; // an arena's array goes with its arena
}

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
        // Both trimmed; the name has the references decoded. A refused text changes nothing.
        const char* b = trimLeft(text.constData(), text.constData() + text.size());
        const char* e = trimRight(b, text.constData() + text.size());
        std::string scratch;
        const std::optional<std::string_view> name = decodedName(b, e, scratch);
        QByteArray value = e - b == text.size() ? text : QByteArray(b, e - b);
        Name = name ? QByteArray(name->data(), qsizetype(name->size())) : value;
        Value = std::move(value);
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

    // Nodes not yet handed to a list are in the arena: a failed parse leaves them to the
    // document's Clear.
    void run();

    // The delete of every node type. A node in the arena stays there, emptied, until the arena
    // goes: so freeing a parsed tree need not walk it.
    template <class T> static void destroy(T* p) {
        if (p->inArena_) {
            empty(*p);
        } else {
            p->~T();
            ::operator delete(p);
        }
    }
    static void empty(TXMLNode& n) {
        n.Attributes.reset();
        n.Nodes.reset();
        n.Name = QByteArray();
        n.Value = QByteArray();
    }
    template <class List> static void empty(List& list) {
        list.items_.clear();
        list.items_.leaveToArena();
    }
    static void empty(TXMLAttribute& a) {
        a.Name = QByteArray();
        a.Value = QByteArray();
    }

    // Frees the document's tree: what the API put into parsed nodes lies outside the arena and is
    // freed here, in one pass over each pool; the rest goes with the arena's chunks.
    static void release(TXMLDoc& doc);
    template <class T> static bool inArena(const T* p) { return p->inArena_; }

private:
    // A range of the text: names and values are views on it.
    struct Range {
        const char* b;
        const char* e;
        QByteArray view() const { return QByteArray::fromRawData(b, e - b); }
    };

    void declaration();
    char openValue();
    Range quotedValue();
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
        T* item =
            new (arena_.of(static_cast<T*>(nullptr)).allocate(sizeof(T))) T(std::forward<Args>(args)...);
        item->inArena_ = true;
        return item;
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
        T** items = static_cast<T**>(arena_.bytes.allocate(sizeof(T*) * count));
        T* const* from = pending.data() + base;
        // Most lists are short: copied without a call.
        switch (count) {
        case 4:
            items[3] = from[3];
            [[fallthrough]];
        case 3:
            items[2] = from[2];
            [[fallthrough]];
        case 2:
            items[1] = from[1];
            [[fallthrough]];
        case 1:
            items[0] = from[0];
            break;
        default:
            std::memcpy(items, from, sizeof(T*) * count);
        }
        list.items_.adopt(items, std::uint32_t(count), true);
        pending.resize(base);
    }
    // A copy of bytes that are not in the text (a decoded name), viewed like the rest.
    QByteArray stored(std::string_view bytes) {
        if (bytes.empty()) return QByteArray("", 0);
        char* copy = static_cast<char*>(arena_.bytes.allocate(bytes.size()));
        std::memcpy(copy, bytes.data(), bytes.size());
        return QByteArray::fromRawData(copy, qsizetype(bytes.size()));
    }

    TXMLDoc& doc_;
    detail::Arena& arena_;
    const char* p_;
    const char* const e_;
    std::vector<TXMLNode*> pending_; // the children of the open elements, outermost first
    std::vector<TXMLAttribute*> pendingAttributes_;
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

namespace detail {

template <class T> void OwnedList<T>::leaveToArena() {
    // An array lent by the arena (capacity 0) holds only the arena's items: items added through
    // the API make the list take an array of its own first.
    if (capacity_) {
        for (std::uint32_t i = 0; i < size_; ++i)
            if (!XMLDocParser::inArena(data_[i])) delete data_[i];
        std::free(data_);
    }
    data_ = nullptr;
    size_ = capacity_ = 0;
}

template class OwnedList<TXMLNode>;
template class OwnedList<TXMLAttribute>;

} // namespace detail

namespace {
// Lets go of an array that the API put into a parsed node; the parser's views own nothing.
void dropOwned(QByteArray& a) {
    if (a.capacity() != 0) a = QByteArray();
}
} // namespace

void XMLDocParser::release(TXMLDoc& doc) {
    detail::Arena& arena = *doc.arena_;
    arena.nodes.forEach<TXMLNode>([](TXMLNode& n) {
        dropOwned(n.Name);
        dropOwned(n.Value);
        if (n.Attributes && !n.Attributes->inArena_) n.Attributes.reset();
        if (n.Nodes && !n.Nodes->inArena_) n.Nodes.reset();
    });
    arena.nodeLists.forEach<TXMLNodes>([](TXMLNodes& list) { list.items_.leaveToArena(); });
    arena.attributeLists.forEach<TXMLAttributes>([](TXMLAttributes& list) { list.items_.leaveToArena(); });
    arena.attributes.forEach<TXMLAttribute>([](TXMLAttribute& a) {
        dropOwned(a.Name);
        dropOwned(a.Value);
    });
    doc.Nodes.items_.leaveToArena();
    arena.release();
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
    // The version is read as it comes: another number is refused before its closing quote.
    const char quote = openValue();
    if (!startsWith(p_, e_, "1.0")) fail(sdeclverunknown);
    p_ += 3;
    if (p_ == e_ || *p_ != quote) fail(sattrquote);
    ++p_;
    doc_.Declaration.Version = QByteArray("1.0");
    skipBlanks();

    // Declaration fields are copies: the declaration is often kept apart from the tree.
    if (startsWith(p_, e_, "encoding")) {
        p_ += 8;
        const Range r = quotedValue();
        if (r.b != r.e) {
            const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
            bool valid = letter(*r.b);
            for (const char* c = r.b + 1; valid && c < r.e; ++c)
                valid = letter(*c) || (*c >= '0' && *c <= '9') || *c == '.' || *c == '_' || *c == '-';
            if (!valid) fail(sdeclencwrong);
        }
        doc_.Declaration.Encoding = QByteArray(r.b, r.e - r.b);
        skipBlanks();
    }
    if (startsWith(p_, e_, "standalone")) {
        p_ += 10;
        const Range r = quotedValue();
        const std::string_view value(r.b, size_t(r.e - r.b));
        if (value != "yes" && value != "no") fail(sdeclsdwrong);
        doc_.Declaration.Standalone = QByteArray(r.b, r.e - r.b);
    }
    skipBlanks();
    if (!startsWith(p_, e_, "?>")) failMissingEnd("<?xml", "?>");
    p_ += 2;
}

// Blanks, "=", blanks and the opening quote of a value, which it returns.
char XMLDocParser::openValue() {
    skipBlanks();
    if (p_ == e_ || *p_ != '=') fail(sattrequal);
    ++p_;
    skipBlanks();
    if (p_ == e_ || (*p_ != '"' && *p_ != '\'')) fail(sattrquote);
    return *p_++;
}

// The "=" and quoted value after an attribute's name, as in the declaration: the bytes between
// the quotes, taken as they are.
XMLDocParser::Range XMLDocParser::quotedValue() {
    const char quote = openValue();
    const char* end = findByte(p_, e_, quote);
    if (!end) fail(sattrquote);
    const Range r{p_, end};
    p_ = end + 1;
    return r;
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
    elem->Name = Range{name, p_}.view();
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
        const Range name{p_, nameEnd(p_ + 1)};
        p_ = name.e;
        const Range value = quotedValue();

        const std::string_view nameView(name.b, size_t(name.e - name.b));
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
        if (repeated) failDouble(name.view());

        roomForOne(pending);
        pending.push_back(make<TXMLAttribute>(name.view(), value.view()));
    }
    commit(pending, 0, *owner.Attributes);
}

void XMLDocParser::content(TXMLNode& parent, int depth) {
    const QByteArray& name = parent.Name;
    const size_t base = pending_.size();
    for (;;) {
        if (p_ == e_) failMissingEnd("<" + name + ">", "</" + name + ">");
        if (*p_ != '<') {
            // Most content between tags is indentation, which makes no node.
            skipBlanks();
            if (p_ != e_ && *p_ != '<') text();
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

// Value and name of a text node, both trimmed: the value is the raw text, the name has its
// references decoded.
void XMLDocParser::text() {
    const char* b = p_;
    const char* lt = findByte(p_, e_, '<');
    p_ = lt ? lt : e_;
    b = trimLeft(b, p_);
    const char* e = trimRight(b, p_);
    if (b == e) return;
    const std::optional<std::string_view> name = decodedName(b, e, scratch_);
    TXMLNode* textNode = node(TXMLNodeType::ntText);
    textNode->Value = Range{b, e}.view();
    textNode->Name = name ? stored(*name) : Range{b, e}.view();
}

void XMLDocParser::comment() {
    p_ += 4;
    const char* end = find(p_, e_, "-->");
    if (!end) failMissingEnd("<!--", "-->");
    checkComment(p_, end);
    node(TXMLNodeType::ntComment)->Name = Range{p_, end}.view();
    p_ = end + 3;
}

void XMLDocParser::cdata() {
    p_ += 9;
    const char* end = find(p_, e_, "]]>");
    if (!end) failMissingEnd("<![CDATA[", "]]>");
    node(TXMLNodeType::ntCData)->Name = Range{p_, end}.view();
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
    const Range name{target, p_};
    skipBlanks();
    const char* end = find(p_, e_, "?>");
    if (!end) failMissingEnd("<?", "?>");
    TXMLNode* pi = node(TXMLNodeType::ntPI);
    pi->Name = name.view();
    pi->Value = Range{p_, end}.view();
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
    XMLDocParser::release(*this);
    text_.clear();
    hasText_ = false;
}

void TXMLDoc::SetXML(const QByteArray& text) {
    if (hasText_ && text == text_) return;
    // The tree views the stored text, so the document must own its bytes: a text that does not
    // (raw data, perhaps a value of this very tree) is copied, before Clear may free it.
    QByteArray own =
        text.capacity() == 0 && !text.isEmpty() ? QByteArray(text.constData(), text.size()) : text;
    Clear();
    text_ = std::move(own);
    hasText_ = true;
    try {
        XMLDocParser(*this, text_).run();
    } catch (...) {
        Clear();
        throw;
    }
}

} // namespace quibel
