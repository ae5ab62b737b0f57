// The program's own small read-only XML parser. It works on the bytes of a UTF-8 text and builds
// a tree of TXMLNode under a TXMLDoc; the first error raises EXMLException with a fixed message
// and leaves the document empty. Book files open or fail exactly by its rules.
//
// The names and values of a parsed tree are views (QByteArray::fromRawData) on the text that the
// document keeps (it shares the caller's array, or copies one that does not own its bytes) and
// on its arena: they cost no allocation and nothing to free, and they stay valid while the
// document keeps that parse (until Clear, another SetXML or its end). Convert them
// (QString::fromUtf8) or copy their bytes to keep them longer.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <memory>
#include <new>
#include <stdexcept>
#include <vector>

namespace quibel {

class XMLDocParser;

namespace detail {
// Memory for one parse, released all at once with the document's tree. The parser places its
// nodes, lists and decoded text names here; nodes made through the API come from the heap. A
// node of the arena that is deleted is only emptied: the arena frees it with the rest.
class Arena;

// A compact owning list of pointers (two words) for the node and attribute lists: a book
// holds many small elements, and each one carries two such lists. The parser hands over an
// array of exact size that may live in the arena (capacity 0); a later push copies it out.
template <class T> class OwnedList {
public:
    OwnedList() = default;
    ~OwnedList();
    OwnedList(const OwnedList&) = delete;
    OwnedList& operator=(const OwnedList&) = delete;

    int size() const { return int(size_); }
    T* at(int i) const { return data_[i]; }
    T* push(std::unique_ptr<T> item);
    void adopt(T** items, std::uint32_t count, bool inArena); // only into an empty list
    void erase(int i);
    void clear();
    // Deletes the items and the array that are not in an arena and forgets the rest, which their
    // arena frees: the list is empty afterwards.
    void leaveToArena();

private:
    void grow();
    T** data_ = nullptr;
    std::uint32_t size_ = 0;
    std::uint32_t capacity_ = 0;
};
} // namespace detail

class EXMLException : public std::runtime_error {
public:
    explicit EXMLException(const QByteArray& message) : std::runtime_error(message.toStdString()) {}
    QByteArray message() const { return QByteArray(what()); }
};

// Raised by Items(i) for an index outside the list.
class EListIndexError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

struct TXMLDeclaration {
    QByteArray Version;
    QByteArray Encoding;
    QByteArray Standalone;
    void clear() {
        Version.clear();
        Encoding.clear();
        Standalone.clear();
    }
};

struct TXMLAttribute {
    TXMLAttribute(QByteArray name, QByteArray value) : Name(std::move(name)), Value(std::move(value)) {}
    static void operator delete(TXMLAttribute* p, std::destroying_delete_t);
    QByteArray Name;
    QByteArray Value;

private:
    friend class XMLDocParser;
    bool inArena_ = false;
};

class TXMLAttributes {
public:
    int Count() const { return int(items_.size()); }
    TXMLAttribute* Items(int i) const;
    // Takes ownership. Raises "Attribute's name is empty." or "Attribute %s already used.".
    void Add(std::unique_ptr<TXMLAttribute> attribute);
    void Delete(int i);
    void Clear();
    static void operator delete(TXMLAttributes* p, std::destroying_delete_t);

private:
    friend class XMLDocParser;
    detail::OwnedList<TXMLAttribute> items_;
    bool inArena_ = false;
};

enum class TXMLNodeType : unsigned char { ntElement = 0, ntComment = 1, ntText = 2, ntCData = 3, ntPI = 4 };

class TXMLNode;

class TXMLNodes {
public:
    explicit TXMLNodes(TXMLNode* owner = nullptr) : Owner(owner) {}
    ~TXMLNodes();
    TXMLNodes(const TXMLNodes&) = delete;
    TXMLNodes& operator=(const TXMLNodes&) = delete;

    int Count() const { return int(items_.size()); }
    TXMLNode* Items(int i) const; // raises EListIndexError outside 0..Count-1
    TXMLNode* Add(std::unique_ptr<TXMLNode> node);
    void Delete(int i); // outside the list: nothing
    void Clear();
    // Frees a heap list; a list in its document's arena is only emptied.
    static void operator delete(TXMLNodes* p, std::destroying_delete_t);

    TXMLNode* const Owner; // the element whose children these are; null for the top level

private:
    friend class XMLDocParser;
    detail::OwnedList<TXMLNode> items_;
    bool inArena_ = false;
};

class TXMLNode {
public:
    explicit TXMLNode(TXMLNodeType kind);
    ~TXMLNode();
    TXMLNode(const TXMLNode&) = delete;
    TXMLNode& operator=(const TXMLNode&) = delete;
    // Frees a heap node; a node in its document's arena is only emptied.
    static void operator delete(TXMLNode* p, std::destroying_delete_t);

    std::unique_ptr<TXMLAttributes> Attributes; // elements only
    std::unique_ptr<TXMLNodes> Nodes;           // elements only
    QByteArray Name;
    TXMLNodeType NodeType;

private:
    friend class XMLDocParser;
    bool inArena_ = false; // kept beside NodeType, in its padding
    struct NoLists {};
    TXMLNode(TXMLNodeType kind, NoLists) : NodeType(kind) {}

public:
    QByteArray Value;
    TXMLNodes* ParentList = nullptr;

    TXMLNode* AddChild(TXMLNodeType kind);
    TXMLNode* GetChild(int i) const; // null outside 0..ChildCount-1
    int ChildCount() const;
    bool HasAttributes() const;
    void SetName(const QByteArray& text);
    void SetValue(const QByteArray& text);
};

class TXMLDoc {
public:
    TXMLDoc();
    ~TXMLDoc();
    TXMLDoc(const TXMLDoc&) = delete;
    TXMLDoc& operator=(const TXMLDoc&) = delete;

    void Clear();
    // Parses the text unless it equals the text of the last successful parse.
    // Raises EXMLException; the document is then empty.
    void SetXML(const QByteArray& text);

    TXMLDeclaration Declaration;
    TXMLNodes Nodes;

    // Nesting deeper than this raises EXMLException instead of exhausting the stack.
    static constexpr int maxDepth = 256;

private:
    QByteArray text_;
    bool hasText_ = false;
    std::unique_ptr<detail::Arena> arena_;
    friend class XMLDocParser;
};

} // namespace quibel
