#include "book/XMLParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

using namespace quibel;

namespace {

// The message SetXML raises for a text, or "" when it parses.
std::string parseError(TXMLDoc& doc, const QByteArray& text) {
    try {
        doc.SetXML(text);
    } catch (const EXMLException& e) {
        return e.what();
    }
    return {};
}

QByteArray nested(int levels) {
    QByteArray text;
    for (int i = 0; i < levels; ++i)
        text += "<e>";
    for (int i = 0; i < levels; ++i)
        text += "</e>";
    return text;
}

// The only text node directly under the root element of a one-element document.
const TXMLNode* rootText(const TXMLDoc& doc) {
    const TXMLNode* root = doc.Nodes.Items(0);
    return root->ChildCount() == 1 ? root->GetChild(0) : nullptr;
}

struct ErrorCase {
    const char* text;
    const char* message;
};
void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << testing::PrintToString(std::string(c.text));
}

const char* const declOrder =
    "The xml declaration must have 'version' and 'encoding' and/or 'standalone' in this order.";
const char* const version = "Unsupported XML version, must be '1.0'.";
const char* const encoding = "Wrong XML encoding declaration.";
const char* const standalone = "Wrong XML standalone declaration, must be 'yes' or 'no'.";
const char* const declPos = "The xml declaration must be on the first line and first character.";
const char* const piMissing = "Processing Instruction target name missing.";
const char* const piXml = "Processing Instruction target name is 'xml'.";
const char* const comment = "Illegal sequence '--' in comment.";
const char* const refEnd = "Missing reference end ';'.";
const char* const refWrong = "Reference name is not valid.";
const char* const equal = "Missing equal sign for an attribute.";
const char* const quote = "Missing quote for an attribute's value.";
const char* const empty = "The main xml document is empty.";
const char* const wrongName = "Imposible abrir o libro.";
const char* const dtd = "DTD not handle in this version.";
const char* const tooDeep = "Elements nested too deeply.";

const ErrorCase errorCases[] = {
    // Declaration.
    {"<?xml  version=\"1.0\"?><a/>", declOrder},
    {"<?xml encoding=\"utf-8\" version=\"1.0\"?><a/>", declOrder},
    {"<?xml version=\"1.1\"?><a/>", version},
    {"<?xml version=\"1.\"?><a/>", version},
    {"<?xml version=\"1", version},
    {"<?xml version=\"1.00\"?><a/>", quote},
    {"<?xml version=\"1.0'?><a/>", quote},
    {"<?xml version=1.0?><a/>", quote},
    {"<?xml version \"1.0\"?><a/>", equal},
    {"<?xml version=\"1.0\" encoding=\"8bit\"?><a/>", encoding},
    {"<?xml version=\"1.0\" encoding=\"utf 8\"?><a/>", encoding},
    {"<?xml version=\"1.0\" encoding=\"utf-8?><a/>", quote},
    {"<?xml version=\"1.0\" encoding utf-8?><a/>", equal},
    {"<?xml version=\"1.0\" standalone=\"maybe\"?><a/>", standalone},
    {"<?xml version=\"1.0\" standalone=\"\"?><a/>", standalone},
    {"<?xml version=\"1.0\"><a/>", "End of tag '<?xml' missing (?>)."},
    {"<?xml version=\"1.0\" standalone=\"yes\" encoding=\"utf-8\"?><a/>", "End of tag '<?xml' missing (?>)."},
    {"<?xml?><a/>", declPos},
    {"<!-- first --><?xml version=\"1.0\"?><a/>", declPos},
    {"<a><?xml version=\"1.0\"?></a>", declPos},
    // Processing instructions.
    {"<a><? x?></a>", piMissing},
    {"<a><?XML x?></a>", piXml},
    {"<?Xml x?><a/>", piXml},
    {"<a><?pi data</a>", "End of tag '<?' missing (?>)."},
    // Comments and CDATA.
    {"<a><!-- a -- b --></a>", comment},
    {"<a><!-- a ---></a>", comment},
    {"<!-- a -- b --><a/>", comment},
    {"<a><!-- never closed </a>", "End of tag '<!--' missing (-->)."},
    {"<a><![CDATA[ never closed </a>", "End of tag '<![CDATA[' missing (]]>)."},
    // References in text.
    {"<a>&#65</a>", refEnd},
    {"<a>&#X41;</a>", refEnd},
    {"<a>&#65x;</a>", refEnd},
    {"<a>&#</a>", refEnd},
    {"<a>&;</a>", refWrong},
    {"<a>a &amp b;</a>", refWrong},
    {"<a>&1x;</a>", refWrong},
    {"<a>&#;</a>", refWrong},
    {"<a>&#x;</a>", refWrong},
    {"<a>&#0;</a>", refWrong},
    {"<a>&#xD800;</a>", refWrong},
    {"<a>&#xDFFF;</a>", refWrong},
    {"<a>&#x110000;</a>", refWrong},
    {"<a>&#4294967361;</a>", refWrong},
    {"<a>&#99999999999999999999999999;</a>", refWrong},
    // Attributes.
    {"<a b/>", equal},
    {"<a b \"x\"/>", equal},
    {"<a b=x/>", quote},
    {"<a b=\"x/>", quote},
    {"<a b='x\"/>", quote},
    {"<a b=\"1\" b=\"2\"/>", "Attribute b already used."},
    {"<a b=\"1\" c=\"2\" d=\"3\" e=\"4\" f=\"5\" g=\"6\" h=\"7\" i=\"8\" j=\"9\" k=\"10\" l=\"11\" m=\"12\" "
     "n=\"13\" o=\"14\" p=\"15\" q=\"16\" r=\"17\" s=\"18\" c=\"19\"/>",
     "Attribute c already used."},
    // Elements.
    {"<a", "End of tag '<' missing (>)."},
    {"<a b=\"1\"", "End of tag '<' missing (>)."},
    {"<a / >", "End of tag '<' missing (>)."},
    {"<caf\xC3\xA9/>", "End of tag '<' missing (>)."},
    {"<a>", "End of tag '<a>' missing (</a>)."},
    {"<zub><libro>text", "End of tag '<libro>' missing (</libro>)."},
    {"<a></a", "Imposible abrir o libro."},
    {"<1/>", wrongName},
    {"< a/>", wrongName},
    {"<a></b></a>", wrongName},
    {"<a></ab>", wrongName},
    {"<a></a x>", wrongName},
    {"<a><!DOCTYPE x></a>", wrongName},
    {"<![CDATA[x]]><a/>", wrongName},
    {"<!DOCTYPE zub><zub/>", dtd},
    {"<a/><!DOCTYPE\nzub>", dtd},
    // Document.
    {"   \r\n\t", empty},
    {"no markup at all", empty},
    {"<?pi only?>", empty},
    {"<!-- only a comment -->", empty},
    {"<a/><b/>", empty},
    {"<a/>text", empty},
    {"<a/>&amp;", empty},
};

} // namespace

class XMLParserError : public testing::TestWithParam<ErrorCase> {};

TEST_P(XMLParserError, RaisesItsMessageAndLeavesTheDocumentEmpty) {
    TXMLDoc doc;
    ASSERT_EQ(parseError(doc, "<?xml version=\"1.0\" encoding=\"utf-8\"?><zub version=\"5.6.3\"><a/></zub>"),
              "");
    ASSERT_EQ(doc.Nodes.Count(), 1);

    const QByteArray text(GetParam().text);
    EXPECT_EQ(parseError(doc, text), GetParam().message);
    EXPECT_EQ(doc.Nodes.Count(), 0);
    EXPECT_TRUE(doc.Declaration.Version.isEmpty());
    EXPECT_TRUE(doc.Declaration.Encoding.isEmpty());
    EXPECT_TRUE(doc.Declaration.Standalone.isEmpty());
    // The failed text is not remembered: giving it again parses (and fails) again.
    EXPECT_EQ(parseError(doc, text), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Messages, XMLParserError, testing::ValuesIn(errorCases));

struct DeclarationCase {
    const char* text;
    const char* version;
    const char* encoding;
    const char* standalone;
};

void PrintTo(const DeclarationCase& c, std::ostream* os) {
    *os << testing::PrintToString(std::string(c.text));
}

class XMLParserDeclaration : public testing::TestWithParam<DeclarationCase> {};

TEST_P(XMLParserDeclaration, KeepsItsThreeFields) {
    TXMLDoc doc;
    ASSERT_EQ(parseError(doc, GetParam().text), "");
    EXPECT_EQ(doc.Declaration.Version, GetParam().version);
    EXPECT_EQ(doc.Declaration.Encoding, GetParam().encoding);
    EXPECT_EQ(doc.Declaration.Standalone, GetParam().standalone);
    ASSERT_GE(doc.Nodes.Count(), 1);
    EXPECT_EQ(doc.Nodes.Items(doc.Nodes.Count() - 1)->Name, "zub");
}

INSTANTIATE_TEST_SUITE_P(
    Variants, XMLParserDeclaration,
    testing::Values(DeclarationCase{"<zub/>", "", "", ""},
                    DeclarationCase{"<?xml version=\"1.0\"?><zub/>", "1.0", "", ""},
                    DeclarationCase{"<?xml version='1.0' encoding='UTF-8'?>\r\n<zub/>", "1.0", "UTF-8", ""},
                    DeclarationCase{"<?xml version=\"1.0\" encoding=\"\"?><zub/>", "1.0", "", ""},
                    DeclarationCase{"<?xml version=\"1.0\" standalone='no' ?><zub/>", "1.0", "", "no"},
                    DeclarationCase{
                        "<?xml\tversion = \"1.0\"encoding=\"ISO-8859_1.x\"standalone=\"yes\"?><zub/>", "1.0",
                        "ISO-8859_1.x", "yes"},
                    // Leading bytes (a byte-order mark, stray text) are skipped up to the first "<".
                    DeclarationCase{"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<zub/>\r\n",
                                    "1.0", "utf-8", ""},
                    DeclarationCase{"junk<?xml\nversion=\"1.0\"?><zub/>", "1.0", "", ""},
                    // Not followed by a blank: a processing instruction with another target.
                    DeclarationCase{"<?xml-stylesheet href=\"a.xsl\"?><zub/>", "", "", ""}));

struct TextCase {
    const char* content;
    QByteArray name;  // decoded
    QByteArray value; // raw
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << testing::PrintToString(std::string(c.content));
}

class XMLParserText : public testing::TestWithParam<TextCase> {};

TEST_P(XMLParserText, DecodesTheNameAndKeepsTheValueRaw) {
    TXMLDoc doc;
    ASSERT_EQ(parseError(doc, QByteArray("<a>") + GetParam().content + "</a>"), "");
    const TXMLNode* text = rootText(doc);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->NodeType, TXMLNodeType::ntText);
    EXPECT_EQ(text->Name, GetParam().name);
    EXPECT_EQ(text->Value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    References, XMLParserText,
    testing::Values(TextCase{"&lt;&gt;&amp;&apos;&quot;", "<>&'\"", "&lt;&gt;&amp;&apos;&quot;"},
                    TextCase{"a & b", "a  b", "a & b"},
                    TextCase{"x &amp y & z", "x amp y  z", "x &amp y & z"},
                    TextCase{"tail &", "tail", "tail &"}, TextCase{"a&b;c&c;", "a&b;c&c;", "a&b;c&c;"},
                    TextCase{"&#65;&#x41;&#x0000000000000000000000041;", "AAA",
                             "&#65;&#x41;&#x0000000000000000000000041;"},
                    // Character references give the UTF-8 bytes of the code point.
                    TextCase{"&#233;&#xe9;", "\xC3\xA9\xC3\xA9", "&#233;&#xe9;"},
                    TextCase{"&#x20AC;", "\xE2\x82\xAC", "&#x20AC;"},
                    TextCase{"&#x10FFFF;&#x1F600;", "\xF4\x8F\xBF\xBF\xF0\x9F\x98\x80",
                             "&#x10FFFF;&#x1F600;"},
                    TextCase{"&#9;", "", "&#9;"},
                    // Both are trimmed of bytes up to the space, the name after decoding.
                    TextCase{"  \r\n x y \t", "x y", "x y"}, TextCase{"\x01\x02x\x1f", "x", "x"},
                    TextCase{"&#32;x&#x20;", "x", "&#32;x&#x20;"},
                    TextCase{"caf\xC3\xA9 \xC2\xB7", "caf\xC3\xA9 \xC2\xB7", "caf\xC3\xA9 \xC2\xB7"}));

TEST(XMLParser, BuildsTheTreeOfABook) {
    TXMLDoc doc;
    const QByteArray text = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                            "<!-- saved -->\r\n"
                            "<zub version=\"5.6.3\">\r\n"
                            "    <config>\r\n"
                            "        <titulo>A &amp; B</titulo>\r\n"
                            "    </config  >\r\n"
                            "    <libro>\r\n"
                            "        <paxina id=\"1\" >\r\n"
                            "              <tipo>1</tipo>\r\n"
                            "              <resp texto=\"x &amp; &lt;y&gt;\r\nz\" valor='1'b=\"\"/>\r\n"
                            "              <texto><![CDATA[<p>&amp; </p>]]></texto>\r\n"
                            "              <?pi  some data ?>\r\n"
                            "        </paxina>\r\n"
                            "    </libro>\r\n"
                            "</zub>\r\n"
                            "<?after it?>\r\n";
    ASSERT_EQ(parseError(doc, text), "");
    ASSERT_EQ(doc.Nodes.Count(), 3);
    EXPECT_EQ(doc.Nodes.Items(0)->NodeType, TXMLNodeType::ntComment);
    EXPECT_EQ(doc.Nodes.Items(0)->Name, " saved ");
    EXPECT_EQ(doc.Nodes.Items(2)->NodeType, TXMLNodeType::ntPI);
    EXPECT_EQ(doc.Nodes.Items(2)->Name, "after");
    EXPECT_EQ(doc.Nodes.Items(2)->Value, "it");
    EXPECT_EQ(doc.Nodes.Owner, nullptr);

    TXMLNode* zub = doc.Nodes.Items(1);
    EXPECT_EQ(zub->NodeType, TXMLNodeType::ntElement);
    EXPECT_EQ(zub->Name, "zub");
    EXPECT_EQ(zub->ParentList, &doc.Nodes);
    ASSERT_TRUE(zub->HasAttributes());
    EXPECT_EQ(zub->Attributes->Items(0)->Name, "version");
    EXPECT_EQ(zub->Attributes->Items(0)->Value, "5.6.3");
    // Blank content between elements makes no text node.
    ASSERT_EQ(zub->ChildCount(), 2);

    TXMLNode* config = zub->GetChild(0);
    EXPECT_EQ(config->Name, "config");
    EXPECT_FALSE(config->HasAttributes());
    EXPECT_EQ(config->ParentList, zub->Nodes.get());
    EXPECT_EQ(zub->Nodes->Owner, zub);
    const TXMLNode* titulo = config->GetChild(0);
    ASSERT_EQ(titulo->ChildCount(), 1);
    EXPECT_EQ(titulo->GetChild(0)->Name, "A & B");
    EXPECT_EQ(titulo->GetChild(0)->Value, "A &amp; B");

    TXMLNode* paxina = zub->GetChild(1)->GetChild(0);
    EXPECT_EQ(paxina->Name, "paxina");
    EXPECT_EQ(paxina->Attributes->Items(0)->Value, "1");
    ASSERT_EQ(paxina->ChildCount(), 4);
    EXPECT_EQ(paxina->GetChild(0)->GetChild(0)->Name, "1");

    // Attribute values are kept byte for byte.
    TXMLNode* resp = paxina->GetChild(1);
    EXPECT_EQ(resp->ChildCount(), 0);
    ASSERT_EQ(resp->Attributes->Count(), 3);
    EXPECT_EQ(resp->Attributes->Items(0)->Value, "x &amp; &lt;y&gt;\r\nz");
    EXPECT_EQ(resp->Attributes->Items(1)->Name, "valor");
    EXPECT_EQ(resp->Attributes->Items(1)->Value, "1");
    EXPECT_EQ(resp->Attributes->Items(2)->Name, "b");
    EXPECT_EQ(resp->Attributes->Items(2)->Value, "");

    const TXMLNode* cdata = paxina->GetChild(2)->GetChild(0);
    EXPECT_EQ(cdata->NodeType, TXMLNodeType::ntCData);
    EXPECT_EQ(cdata->Name, "<p>&amp; </p>");
    EXPECT_EQ(cdata->Value, "");

    const TXMLNode* pi = paxina->GetChild(3);
    EXPECT_EQ(pi->NodeType, TXMLNodeType::ntPI);
    EXPECT_EQ(pi->Name, "pi");
    EXPECT_EQ(pi->Value, "some data ");
    EXPECT_EQ(pi->Nodes, nullptr);
    EXPECT_EQ(pi->Attributes, nullptr);
}

TEST(XMLParser, MixedContentKeepsItsPiecesInOrder) {
    TXMLDoc doc;
    ASSERT_EQ(parseError(doc, "<a>one<!--c-->two<b/> three </a>"), "");
    const TXMLNode* a = doc.Nodes.Items(0);
    ASSERT_EQ(a->ChildCount(), 5);
    EXPECT_EQ(a->GetChild(0)->Name, "one");
    EXPECT_EQ(a->GetChild(1)->NodeType, TXMLNodeType::ntComment);
    EXPECT_EQ(a->GetChild(2)->Name, "two");
    EXPECT_EQ(a->GetChild(3)->NodeType, TXMLNodeType::ntElement);
    EXPECT_EQ(a->GetChild(3)->Name, "b");
    EXPECT_EQ(a->GetChild(4)->Name, "three");
}

TEST(XMLParser, EmptyTextGivesNoNodesAndNoError) {
    TXMLDoc doc;
    ASSERT_EQ(parseError(doc, "<a/>"), "");
    EXPECT_EQ(parseError(doc, ""), "");
    EXPECT_EQ(doc.Nodes.Count(), 0);
}

TEST(XMLParser, NestingIsLimited) {
    TXMLDoc doc;
    EXPECT_EQ(parseError(doc, nested(TXMLDoc::maxDepth)), "");
    int depth = 0;
    for (const TXMLNode* n = doc.Nodes.Items(0); n; n = n->GetChild(0))
        ++depth;
    EXPECT_EQ(depth, TXMLDoc::maxDepth);

    for (int levels : {TXMLDoc::maxDepth + 1, 100000}) {
        EXPECT_EQ(parseError(doc, nested(levels)), tooDeep) << levels;
        EXPECT_EQ(doc.Nodes.Count(), 0);
    }
}

TEST(XMLParser, SameTextIsParsedOnce) {
    TXMLDoc doc;
    const QByteArray text = "<zub><a/></zub>";
    doc.SetXML(text);
    doc.Nodes.Items(0)->Name = "touched";
    doc.SetXML(QByteArray(text.constData(), text.size())); // equal, not shared
    EXPECT_EQ(doc.Nodes.Items(0)->Name, "touched");

    doc.SetXML("<other/>");
    EXPECT_EQ(doc.Nodes.Items(0)->Name, "other");
    doc.SetXML(text);
    EXPECT_EQ(doc.Nodes.Items(0)->Name, "zub");

    // Clear forgets the text, so the same text parses again.
    doc.Clear();
    EXPECT_EQ(doc.Nodes.Count(), 0);
    doc.SetXML(text);
    EXPECT_EQ(doc.Nodes.Items(0)->Name, "zub");
}

TEST(XMLParser, ItemsOutsideTheListRaise) {
    TXMLDoc doc;
    doc.SetXML("<a b=\"1\"><c/></a>");
    TXMLNode* a = doc.Nodes.Items(0);
    for (int i : {-1, 1, 1000}) {
        EXPECT_THROW(doc.Nodes.Items(i), EListIndexError) << i;
        EXPECT_THROW(a->Nodes->Items(i), EListIndexError) << i;
        EXPECT_THROW(a->Attributes->Items(i), EListIndexError) << i;
        EXPECT_EQ(a->GetChild(i), nullptr) << i;
        // Deleting outside the list does nothing.
        a->Nodes->Delete(i);
        a->Attributes->Delete(i);
    }
    EXPECT_EQ(a->ChildCount(), 1);
    EXPECT_EQ(a->Attributes->Count(), 1);
    a->Attributes->Delete(0);
    EXPECT_FALSE(a->HasAttributes());
    a->Nodes->Delete(0);
    EXPECT_EQ(a->ChildCount(), 0);
}

TEST(XMLParser, BuildingByHandFollowsTheNameRules) {
    TXMLNode element(TXMLNodeType::ntElement);
    TXMLNode* text = element.AddChild(TXMLNodeType::ntText);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->ParentList, element.Nodes.get());
    text->SetValue("  &lt;b&gt; &#x41; ");
    EXPECT_EQ(text->Value, "&lt;b&gt; &#x41;");
    EXPECT_EQ(text->Name, "<b> A");
    EXPECT_THROW(text->SetValue("&#xD800;"), EXMLException);
    EXPECT_EQ(text->Name, "<b> A"); // a refused text changes nothing

    struct NameCase {
        TXMLNodeType kind;
        const char* name;
        const char* message; // "" when accepted
    };
    const NameCase cases[] = {
        {TXMLNodeType::ntPI, "target", ""},
        {TXMLNodeType::ntPI, "xMl", "Processing Instruction target name is not valid."},
        {TXMLNodeType::ntPI, "1st", "Processing Instruction target name is not valid."},
        {TXMLNodeType::ntCData, "a]]>b", "Illegal sequence ']]>' in CDATA."},
        {TXMLNodeType::ntCData, "a]]b", ""},
        {TXMLNodeType::ntComment, "a--b", "Illegal sequence '--' in comment."},
        {TXMLNodeType::ntComment, "a-", "Illegal sequence '--' in comment."},
        {TXMLNodeType::ntComment, "-a-b", ""},
    };
    for (const NameCase& c : cases) {
        TXMLNode node(c.kind);
        std::string message;
        try {
            node.SetName(c.name);
        } catch (const EXMLException& e) {
            message = e.what();
        }
        EXPECT_EQ(message, c.message) << c.name;
        EXPECT_EQ(node.Name, message.empty() ? QByteArray(c.name) : QByteArray()) << c.name;
    }

    TXMLAttributes attributes;
    attributes.Add(std::make_unique<TXMLAttribute>("a", "1"));
    try {
        attributes.Add(std::make_unique<TXMLAttribute>("a", "2"));
        ADD_FAILURE() << "repeated name accepted";
    } catch (const EXMLException& e) {
        EXPECT_STREQ(e.what(), "Attribute a already used.");
    }
    try {
        attributes.Add(std::make_unique<TXMLAttribute>("", "2"));
        ADD_FAILURE() << "empty name accepted";
    } catch (const EXMLException& e) {
        EXPECT_STREQ(e.what(), "Attribute's name is empty.");
    }
    attributes.Add(std::make_unique<TXMLAttribute>("A", "3"));
    EXPECT_EQ(attributes.Count(), 2);
}

TEST(XMLParser, ParsedListsTakeNewEntries) {
    TXMLDoc doc;
    doc.SetXML("<a b=\"1\"><c/></a>");
    TXMLNode* a = doc.Nodes.Items(0);
    TXMLNode* c = a->GetChild(0);

    TXMLNode* text = a->AddChild(TXMLNodeType::ntText);
    a->Attributes->Add(std::make_unique<TXMLAttribute>("d", "2"));
    // The lists of a parse hold exactly their entries: a new one must not land on a neighbour.
    ASSERT_EQ(doc.Nodes.Count(), 1);
    EXPECT_EQ(doc.Nodes.Items(0), a);
    ASSERT_EQ(a->ChildCount(), 2);
    EXPECT_EQ(a->GetChild(0), c);
    EXPECT_EQ(a->GetChild(1), text);
    EXPECT_EQ(text->ParentList, a->Nodes.get());
    ASSERT_EQ(a->Attributes->Count(), 2);
    EXPECT_EQ(a->Attributes->Items(0)->Value, "1");
    EXPECT_EQ(a->Attributes->Items(1)->Name, "d");

    // Also after an entry has gone.
    c->Nodes->Add(std::make_unique<TXMLNode>(TXMLNodeType::ntComment));
    a->Nodes->Delete(0);
    a->AddChild(TXMLNodeType::ntElement)->SetName("e");
    ASSERT_EQ(a->ChildCount(), 2);
    EXPECT_EQ(a->GetChild(0), text);
    EXPECT_EQ(a->GetChild(1)->Name, "e");
    EXPECT_EQ(doc.Nodes.Items(0), a);
}

TEST(XMLParser, TheTreeKeepsTheBytesItPointsInto) {
    // A text that does not own its bytes: the document keeps a copy, so the caller may reuse them.
    char buffer[] = "<zub a=\"valor\">texto &amp; mais</zub>";
    TXMLDoc doc;
    doc.SetXML(QByteArray::fromRawData(buffer, qsizetype(sizeof buffer - 1)));
    std::fill(std::begin(buffer), std::end(buffer) - 1, 'x');
    const TXMLNode* zub = doc.Nodes.Items(0);
    EXPECT_EQ(zub->Name, "zub");
    EXPECT_EQ(zub->Attributes->Items(0)->Value, "valor");
    EXPECT_EQ(zub->GetChild(0)->Value, "texto &amp; mais");
    EXPECT_EQ(zub->GetChild(0)->Name, "texto & mais");

    // A text that is a name of the tree itself, which the new parse replaces.
    doc.SetXML("<a>&lt;b c='&amp;'&gt;&lt;d/&gt;&lt;/b&gt;</a>");
    doc.SetXML(doc.Nodes.Items(0)->GetChild(0)->Name);
    const TXMLNode* b = doc.Nodes.Items(0);
    EXPECT_EQ(b->Name, "b");
    EXPECT_EQ(b->Attributes->Items(0)->Value, "&");
    ASSERT_EQ(b->ChildCount(), 1);
    EXPECT_EQ(b->GetChild(0)->Name, "d");
}

TEST(XMLParser, ChangesToAParsedTreeGoWithIt) {
    // Whatever the API puts into a parsed tree, or takes out of it, is freed once, with the tree.
    TXMLDoc doc;
    doc.SetXML("<a b='1'><c>t &amp; u</c><d e='2'/><f/></a>");
    TXMLNode* a = doc.Nodes.Items(0);
    TXMLNode* d = a->GetChild(1);
    a->Name = QByteArray("renamed").repeated(4);
    a->Attributes->Items(0)->Value = QByteArray("value").repeated(4);
    a->GetChild(0)->GetChild(0)->SetValue("x &amp; y");
    d->Attributes = std::make_unique<TXMLAttributes>();
    d->Attributes->Add(std::make_unique<TXMLAttribute>("g", "3"));
    a->Nodes->Delete(0);
    TXMLNode* added = a->AddChild(TXMLNodeType::ntElement);
    added->SetName("h");
    added->AddChild(TXMLNodeType::ntText)->SetValue("z");
    a->GetChild(1)->Nodes->Add(std::make_unique<TXMLNode>(TXMLNodeType::ntComment));
    doc.Nodes.Add(std::make_unique<TXMLNode>(TXMLNodeType::ntPI))->SetValue("after");

    ASSERT_EQ(a->ChildCount(), 3);
    EXPECT_EQ(a->GetChild(0), d);
    EXPECT_EQ(d->Attributes->Items(0)->Name, "g");
    EXPECT_EQ(a->GetChild(2)->GetChild(0)->Name, "z");
    ASSERT_EQ(doc.Nodes.Count(), 2);
    EXPECT_EQ(doc.Nodes.Items(1)->Value, "after");

    doc.SetXML("<a><c/></a>");
    ASSERT_EQ(doc.Nodes.Count(), 1);
    EXPECT_EQ(doc.Nodes.Items(0)->GetChild(0)->Name, "c");
}
