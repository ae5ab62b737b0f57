#include "book/conversionhtml.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextList>

#include <gtest/gtest.h>

#include <functional>

using namespace quibel;

namespace {

QString q(const char* s) {
    return QString::fromUtf8(s);
}

// Pieces of the written form, spelled out from the format's rules.
QString p(const char* aliñamento) {
    return q("\r\n<p align=\"") + q(aliñamento) + q("\">\r\n");
}
const QString arial = q("<font color=\"#000000\" face=\"Arial\" size=\"12\">");
const QString fin = q("</font></p>\r\n");

struct Estilo {
    QString face = q("Arial");
    qreal puntos = 12;
    QColor cor = Qt::black;
    bool b = false, i = false, u = false;
};

QTextCharFormat formato(const Estilo& e) {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{e.face});
    f.setFontPointSize(e.puntos);
    f.setForeground(e.cor);
    f.setFontWeight(e.b ? QFont::Bold : QFont::Normal);
    f.setFontItalic(e.i);
    f.setFontUnderline(e.u);
    return f;
}

// Builds a document paragraph by paragraph through a cursor, as the editor does.
class Construtor {
public:
    explicit Construtor(QTextDocument& d) : c_(&d) {}
    Construtor& t(const QString& texto, const Estilo& e = {}) {
        c_.insertText(texto, formato(e));
        return *this;
    }
    Construtor& t(const char* texto, const Estilo& e = {}) { return t(q(texto), e); }
    // Alignment and bullet of the current paragraph.
    Construtor& par(Qt::Alignment a, bool viñeta = false) {
        QTextBlockFormat f;
        f.setAlignment(a);
        c_.setBlockFormat(f);
        if (viñeta) c_.createList(QTextListFormat::ListDisc);
        return *this;
    }
    Construtor& br() {
        c_.insertBlock();
        c_.setBlockFormat(QTextBlockFormat());
        return *this;
    }
    QTextCursor& cursor() { return c_; }

private:
    QTextCursor c_;
};

using Receita = std::function<void(Construtor&)>;

QString escribir(const Receita& r) {
    QTextDocument d;
    Construtor c(d);
    r(c);
    return richahtml(d);
}

const Estilo negra{.b = true};
const Estilo cursiva{.i = true};

struct CasoEscrita {
    const char* nome;
    Receita receita;
    QString esperado;
};

const std::vector<CasoEscrita>& casosescrita() {
    static const std::vector<CasoEscrita> casos = {
        {"empty", [](Construtor&) {}, p("left") + arial + fin},
        {"plain", [](Construtor& c) { c.t("Ola mundo"); }, p("left") + arial + q("Ola mundo") + fin},
        {"breaks, an empty paragraph included", [](Construtor& c) { c.t("a").br().br().t("b"); },
         p("left") + arial + q("a<br>\r\n<br>\r\nb") + fin},
        {"line separator is a paragraph break", [](Construtor& c) { c.t("a\u2028b"); },
         p("left") + arial + q("a<br>\r\nb") + fin},
        {"style runs", [](Construtor& c) { c.t("a", negra).t("b").t("c", {.i = true, .u = true}); },
         p("left") + arial + q("<b>a</b>b<i><u>c</u></i>") + fin},
        {"misnesting kept",
         [](Construtor& c) { c.t("a", negra).t("b", {.b = true, .i = true}).t("c", cursiva); },
         p("left") + arial + q("<b>a<i>b</b>c</i>") + fin},
        {"styles closed at a break and reopened", [](Construtor& c) { c.t("a", negra).br().t("b", negra); },
         p("left") + arial + q("<b>a</b><br>\r\n<b>b</b>") + fin},
        {"empty first paragraph takes the first character's state",
         [](Construtor& c) { c.br().t("abc", negra); },
         p("left") + arial + q("<b></b><br>\r\n<b>abc</b>") + fin},
        {"font changes",
         [](Construtor& c) {
             c.t("a").t("b", {.face = q("Times New Roman"), .puntos = 20, .cor = Qt::red, .b = true}).t("c");
         },
         p("left") + arial +
             q("a</font><font color=\"#FF0000\" face=\"Times New Roman\" size=\"20\"><b>b</b></font>") +
             arial + q("c") + fin},
        {"alignment changes",
         [](Construtor& c) {
             c.par(Qt::AlignHCenter).t("a").br().par(Qt::AlignRight).t("b").br().par(Qt::AlignRight).t("c");
         },
         p("center") + arial + q("a<br>\r\n</font></p>") + p("right") + arial + q("b<br>\r\nc") + fin},
        {"bold bullet", [](Construtor& c) { c.par(Qt::AlignLeft, true).t("uno", negra); },
         p("left") + arial + q("<b><li>uno</b></li>") + fin},
        {"special characters", [](Construtor& c) { c.t("a<b>&c \"d\""); },
         p("left") + arial + q("a&lt;b&gt;&amp;c \"d\"") + fin},
        {"special characters in a face", [](Construtor& c) { c.t("x", {.face = q("A&B <\"C\">")}); },
         p("left") + q("<font color=\"#000000\" face=\"A&amp;B &lt;&quot;C&quot;&gt;\" size=\"12\">x") + fin},
        {"justified written as left",
         [](Construtor& c) { c.par(Qt::AlignJustify).t("a").br().par(Qt::AlignHCenter).t("b"); },
         p("left") + arial + q("a<br>\r\n</font></p>") + p("center") + arial + q("b") + fin},
    };
    return casos;
}

} // namespace

TEST(RichAHtml, WritesTheSubsetByTheDiffRules) {
    for (const CasoEscrita& caso : casosescrita())
        EXPECT_EQ(escribir(caso.receita), caso.esperado) << caso.nome;
}

TEST(RichAHtml, EveryBulletedLineIsAnItemAndTheListEndsAtAPlainParagraph) {
    QTextDocument d;
    Construtor c(d);
    c.par(Qt::AlignLeft, true).t("uno");
    c.cursor().insertBlock(); // stays in the list
    c.t("dous\u2028do");
    c.br().t("tres");
    ASSERT_EQ(d.blockCount(), 3);
    ASSERT_NE(d.findBlockByNumber(1).textList(), nullptr);
    ASSERT_EQ(d.findBlockByNumber(2).textList(), nullptr);
    EXPECT_EQ(richahtml(d), p("left") + arial +
                                q("<li>uno</li>\r\n<li>dous</li>\r\n<li>do</li>\r\n</font></p>") + p("left") +
                                arial + q("tres") + fin);
}

TEST(RichAHtml, ResolvesFormatsAgainstArial12Black) {
    // Unset properties, pasted pixel sizes (96 dpi), fractional points, weights around 600 and
    // object marks (skipped with their format).
    QTextDocument d;
    QTextCursor c(&d);
    c.insertText(q("a"), QTextCharFormat());
    QTextCharFormat px;
    px.setProperty(QTextFormat::FontPixelSize, 16);
    c.insertText(q("b"), px);
    QTextCharFormat medio;
    medio.setFontPointSize(13.6);
    medio.setFontWeight(600);
    c.insertText(q("c"), medio);
    QTextCharFormat lixeiro;
    lixeiro.setFontWeight(599);
    c.insertText(q("d"), lixeiro);
    QTextImageFormat imaxe;
    imaxe.setName(q("x.png"));
    imaxe.setFontPointSize(40);
    c.insertImage(imaxe);
    c.insertText(q("e"), QTextCharFormat());
    EXPECT_EQ(richahtml(d),
              p("left") + arial +
                  q("ab</font><font color=\"#000000\" face=\"Arial\" size=\"14\"><b>c</b></font>") + arial +
                  q("de") + fin);
}

namespace {

// What htmlarich gave, per character: text and the format it resolves to.
struct Letra {
    QChar c;
    QString face;
    qreal puntos;
    QRgb cor;
    bool b, i, u;
};

std::vector<Letra> letras(const QTextDocument& d) {
    std::vector<Letra> saida;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            for (QChar c : it.fragment().text())
                saida.push_back({c, f.fontFamilies().toStringList().value(0), f.fontPointSize(),
                                 f.foreground().color().rgb(), f.fontWeight() >= 600, f.fontItalic(),
                                 f.fontUnderline()});
        }
    return saida;
}

QString estilos(const QTextDocument& d) {
    QString s;
    for (const Letra& l : letras(d))
        s += l.b ? u'B' : l.i ? u'I' : l.u ? u'U' : u'-';
    return s;
}

} // namespace

TEST(HtmlARich, FormattingStartsAtTheNextCharacter) {
    const struct {
        const char *html, *texto, *estilos;
    } casos[] = {
        {"a<b>b</b>c", "abc", "-B-"},       {"<i>a</i>b", "ab", "I-"},           {"a<u>b</u>", "ab", "-U"},
        {"a<span>b</span>c", "abc", "---"}, {"x<b><i></b>y</i>z", "xyz", "-I-"},
    };
    for (const auto& caso : casos) {
        QTextDocument d;
        htmlarich(q(caso.html), d);
        EXPECT_EQ(d.toPlainText(), q(caso.texto)) << caso.html;
        EXPECT_EQ(estilos(d), q(caso.estilos)) << caso.html;
    }
}

TEST(HtmlARich, FontAttributesQuotedUnquotedAndRefused) {
    // Sizes outside 1..1638 and colours that are not hexadecimal leave the format as it was and
    // the whole text is still read.
    const struct {
        const char* html;
        const char* face;
        qreal puntos;
        QRgb cor;
    } casos[] = {
        {"<font face=\"DejaVu Sans\" size=\"20\" color=\"#00FF00\">x", "DejaVu Sans", 20, qRgb(0, 255, 0)},
        {"<font face = 'a=b  c' size = 7>x", "a=b  c", 7, qRgb(0, 0, 0)},
        {"<FONT FACE=Times New SIZE=9>x", "Times", 9, qRgb(0, 0, 0)},
        {"<font face=\"A&amp;B &quot;C&quot; &lt;&gt;\">x", "A&B \"C\" <>", 12, qRgb(0, 0, 0)},
        {"<font size=\"abc\" color=\"#GG0000\">x", "Arial", 12, qRgb(0, 0, 0)},
        {"<font size=\"0\">x", "Arial", 12, qRgb(0, 0, 0)},
        {"<font size=\"1639\">x", "Arial", 12, qRgb(0, 0, 0)},
        {"<font size=\"1638\">x", "Arial", 1638, qRgb(0, 0, 0)},
        {"<font size=\"1\">x", "Arial", 1, qRgb(0, 0, 0)},
        {"<font size=\"12.5\">x", "Arial", 12, qRgb(0, 0, 0)},
        {"<font size=20 color=#0000FF><font size=x color=blue face=\"\">x", "Arial", 20, qRgb(0, 0, 255)},
        {"<font color=\"#123456\"><font size=30></font>x", "Arial", 12, qRgb(0x12, 0x34, 0x56)},
        {"</font></font><font size=8>x", "Arial", 8, qRgb(0, 0, 0)},
    };
    for (const auto& caso : casos) {
        QTextDocument d;
        htmlarich(q(caso.html), d);
        const auto l = letras(d);
        ASSERT_EQ(l.size(), 1u) << caso.html;
        EXPECT_EQ(l[0].face, q(caso.face)) << caso.html;
        EXPECT_EQ(l[0].puntos, caso.puntos) << caso.html;
        EXPECT_EQ(l[0].cor, caso.cor) << caso.html;
    }
}

TEST(HtmlARich, HeadingsFromLargestToSmallest) {
    const qreal puntos[] = {27, 22, 18, 15, 12, 9, 6};
    for (int n = 1; n <= 7; ++n) {
        QTextDocument d;
        htmlarich(QStringLiteral("<font size=40><h%1>a</h%1>b").arg(n), d);
        const auto l = letras(d);
        ASSERT_EQ(l.size(), 2u);
        EXPECT_EQ(l[0].puntos, puntos[n - 1]) << n;
        EXPECT_EQ(l[1].puntos, 40) << n;
    }
}

TEST(HtmlARich, DecodesCharacterReferences) {
    const struct {
        const char *html, *texto;
    } casos[] = {
        {"&lt;&gt;&amp;&quot;&apos;&nbsp;", "<>&\"'\u00A0"},
        {"&#65;&#x42;&#X43;&#128512;", "ABC\U0001F600"},
        {"&amp;lt;", "&lt;"},
        // unknown names, bad digits and invalid code points stay literal
        {"&foo; &#xZZ; &#0; &#1114112; &#xD800; & x &lt", "&foo; &#xZZ; &#0; &#1114112; &#xD800; & x &lt"},
        {"&#10;a&#13;", "a"},
    };
    for (const auto& caso : casos) {
        QTextDocument d;
        htmlarich(q(caso.html), d);
        // the blocks' own text: toPlainText would turn the no-break space into a blank
        EXPECT_EQ(d.begin().text(), q(caso.texto)) << caso.html;
        EXPECT_EQ(d.blockCount(), 1) << caso.html;
    }
}

namespace {

// One line per paragraph: alignment letter, "*" when bulleted, then the text.
QString paragrafos(const QTextDocument& d) {
    QStringList linhas;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        const Qt::Alignment a = b.blockFormat().alignment();
        const QChar letra = (a & Qt::AlignHCenter) ? u'C' : (a & Qt::AlignRight) ? u'R' : u'L';
        QTextList* lista = b.textList();
        if (lista) {
            EXPECT_EQ(lista->format().style(), QTextListFormat::ListDisc);
        }
        linhas << QString(letra) + (lista ? q("*") : QString()) + b.text();
    }
    return linhas.join(u'|');
}

} // namespace

TEST(HtmlARich, ParagraphsBreaksAlignmentAndBullets) {
    const struct {
        const char *html, *paragrafos;
    } casos[] = {
        {"a<br>b<br/>c<BR />d", "La|Lb|Lc|Ld"},
        {"a\r\nb\nc\rd", "Labcd"},
        {"", "L"},
        {"<br>", "L|L"},
        // a bullet per item, and a closing item adds no paragraph until a character comes
        {"<li>a</li><li>b</li>", "L*a|L*b"},
        {"<li>a</li>", "L*a"},
        {"<li>a</li>b", "L*a|Lb"},
        {"<li>a</li><br><li>b</li>", "L*a|L|L*b"},
        {"x<li>a", "L*xa"},
        // a break closing the last item could not be written back: not kept
        {"<li>a<br>", "L*a"},
        {"<li>a&#8232;", "L*a"},
        {"<li>a<br><br>", "L*a|L|L"},
        {"<li>a&#8232;&#8232;", "L*a\u2028\u2028"},
        // the alignment holds until another one, and an empty paragraph takes none
        {"<p align=\"center\">a<br><br>b</p>c", "Ca|L|Cbc"},
        {"<p align=\" Right \">a<p align=justify>b<p>c<p align=left><br>d", "Rabc|Ld"},
        {"<p align=center><li>a</li><li>b</li></p><p align=right>c", "C*a|C*b|Rc"},
        // a tag ends at "<" (skipped) or at the end
        {"a<b<i>c", "Lai>c"},
        {"a<b", "La"},
    };
    for (const auto& caso : casos) {
        QTextDocument d;
        htmlarich(q(caso.html), d);
        EXPECT_EQ(paragrafos(d), q(caso.paragrafos)) << caso.html;
    }
}

TEST(HtmlARich, ReplacesTheContentAndKeepsNoUndoStep) {
    QTextDocument d;
    QTextCursor(&d).insertText(q("vello"));
    ASSERT_TRUE(d.isUndoAvailable());
    htmlarich(q("<b>novo</b>"), d);
    EXPECT_EQ(d.toPlainText(), q("novo"));
    EXPECT_TRUE(d.isUndoRedoEnabled());
    EXPECT_FALSE(d.isUndoAvailable());
}

TEST(RichRoundTrip, CursorBuiltDocumentsComeBackUnchanged) {
    std::vector<std::pair<const char*, Receita>> casos;
    for (const CasoEscrita& caso : casosescrita())
        casos.emplace_back(caso.nome, caso.receita);
    casos.insert(
        casos.end(),
        {
            {"empty bulleted paragraph between items",
             [](Construtor& c) {
                 c.par(Qt::AlignLeft, true).t("a");
                 c.cursor().insertBlock();
                 c.cursor().insertBlock();
                 c.t("b");
             }},
            {"bullets after a centred paragraph",
             [](Construtor& c) {
                 c.par(Qt::AlignHCenter)
                     .t("título", {.puntos = 18})
                     .br()
                     .par(Qt::AlignLeft, true)
                     .t("a", negra)
                     .t("b");
                 c.cursor().insertBlock();
                 c.t("c\u2028d", cursiva).br().par(Qt::AlignRight).t("fin");
             }},
            {"style changes across font changes",
             [](Construtor& c) {
                 c.t("a", {.b = true, .u = true})
                     .t("b", {.face = q("Courier New"), .b = true, .u = true})
                     .t("c", {.face = q("Courier New"), .i = true})
                     .t("d", {.cor = QColor(0x12, 0x34, 0x56), .i = true});
             }},
            {"extreme sizes and colours",
             [](Construtor& c) {
                 c.t("a", {.puntos = 1, .cor = Qt::white}).t("b", {.puntos = 1638}).t("c", {.puntos = 6.4});
             }},
            {"references and odd characters",
             [](Construtor& c) {
                 c.t("&lt; &amp;amp; \u00A0 \U0001F600 'q' \"d\" = / \t",
                     {.face = q("Sans \"Q\" 'x' = & <>")});
             }},
            {"empty paragraphs at both ends", [](Construtor& c) { c.br().br().t("meio", negra).br().br(); }},
            {"a face with blanks", [](Construtor& c) { c.t("x", {.face = q("DejaVu Sans Mono")}); }},
        });
    for (const auto& [nome, receita] : casos) {
        const QString html = escribir(receita);
        QTextDocument d;
        htmlarich(html, d);
        EXPECT_EQ(richahtml(d), html) << nome;
    }
}

TEST(RichRoundTrip, AnyHtmlSettlesAfterOneRound) {
    const char* casos[] = {
        "<b>a<i>b</b>c</i>",
        "<li><b>a</li>b<br></b><li></li><li>",
        "<p align=center></p><br><font size=9 face='x y'>a<h1>b</font>c</h1>d",
        "<font size=\"5\">&amp;&#0;&#xFFFC;\u2028x\uFFFCy</font>",
        "<li>a<p align=right>b</li><p align=left>c<br/><li>",
        "a<b c d=\"e<f\">g</b><<>>&",
        "<font face=\"A&quot;B\"><u><li>x</u></li></font></font></p>",
    };
    for (const char* html : casos) {
        QTextDocument d;
        htmlarich(q(html), d);
        const QString uno = richahtml(d);
        htmlarich(uno, d);
        EXPECT_EQ(richahtml(d), uno) << html;
    }
}

// A long list converts in linear time: a megabyte of bulleted lines took over ten seconds when
// every line joined one list, and takes well under a second in lists of a few dozen lines.
TEST(HtmlARich, AMegabyteListConvertsInLinearTime) {
    QString html;
    int n = 0;
    while (html.size() < 1024 * 1024)
        html += QStringLiteral("<li>Elemento %1 da lista con <b>negra</b></li>\r\n").arg(++n);
    QTextDocument d;
    QElapsedTimer reloxo;
    reloxo.start();
    htmlarich(html, d);
    EXPECT_LT(reloxo.elapsed(), 2000);
    EXPECT_EQ(d.blockCount(), n);
    for (const QTextBlock& b : {d.firstBlock(), d.findBlockByNumber(n / 2), d.lastBlock()}) {
        ASSERT_TRUE(b.textList());
        EXPECT_EQ(b.textList()->format().style(), QTextListFormat::ListDisc);
    }
    EXPECT_EQ(d.lastBlock().text(), QStringLiteral("Elemento %1 da lista con negra").arg(n));
}
