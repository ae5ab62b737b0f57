#include "book/conversionhtml.h"

#include <gtest/gtest.h>

using namespace quibel;

namespace {

QString q(const char* s) {
    return QString::fromUtf8(s);
}

struct Fila {
    const char *entrada, *esperado;
};

} // namespace

TEST(ConversionHtmlatexto, BreaksWithTheirLineEndsAreOneLfOtherLineEndsOneBlank) {
    const Fila filas[] = {
        {"", ""},
        {"a<br>b", "a\nb"},
        {"a<br>\r\nb", "a\nb"},
        {"a<br>\rb", "a\nb"},
        {"a<br>\nb", "a\nb"},
        {"a\r<br>b", "a\nb"},
        {"a\r<br>\r\nb", "a\nb"},
        // Only one line end after and one CR before belong to the break.
        {"a<br>\n\nb", "a\n b"},
        {"a<br>\r\n\r\nb", "a\n b"},
        {"a\r\n<br>b", "a \nb"},
        {"a\r\r<br>b", "a \nb"},
        {"a\n\r<br>b", "a \nb"},
        {"<br><br>", "\n\n"},
        {"<br>\r<br>", "\n\n"},
        {"<br>\r\n\r<br>\r\n", "\n\n"},
        // Runs of layout line ends.
        {"a\r\nb", "a b"},
        {"a\n\r\n\rb", "a b"},
        {"\r\n", " "},
        {"\r\n<p align=\"left\">\r\nx<br>\r\ny</p>\r\n", " <p align=\"left\"> x\ny</p> "},
        // Only "<br>" itself is a break; nothing else changes.
        {"<BR>", "<BR>"},
        {"<b<br>r>", "<b\nr>"},
        {"&lt;br&gt; <b>x</b>", "&lt;br&gt; <b>x</b>"},
    };
    for (const Fila& f : filas)
        EXPECT_EQ(htmlatexto(q(f.entrada)), q(f.esperado)) << f.entrada;
}

TEST(ConversionTextoahtml, WrapsInSize12UnlessSizeAppearsThenLfBecomesBr) {
    const Fila filas[] = {
        {"", "<font size=\"12\"></font>"},
        {"one\ntwo", "<font size=\"12\">one<br>two</font>"},
        {"\n", "<font size=\"12\"><br></font>"},
        // CR stays where it is.
        {"a\r\nb", "<font size=\"12\">a\r<br>b</font>"},
        {"<font size=\"3\">x</font>\ny", "<font size=\"3\">x</font><br>y"},
        {"fontsize", "fontsize"},
        {"Size", "<font size=\"12\">Size</font>"},
    };
    for (const Fila& f : filas)
        EXPECT_EQ(textoahtml(q(f.entrada)), q(f.esperado)) << f.entrada;
}

TEST(ConversionMarcasahtml, ReplacesTheNotationInTableOrder) {
    const Fila filas[] = {
        {"[[p2][next]]", "<a href=\"p2\"  >next</a>"},
        {"{{pic.png}}", "<img src=\"pic.png\"   >"},
        {"[[p][]]", "<a href=\"p\"  ></a>"},
        {"[[p2][{{a.png}}]]", "<a href=\"p2\"  ><img src=\"a.png\"   ></a>"},
        // "]]" goes before "][", each left to right without rescanning.
        {"x]][y", "x</a>[y"},
        {"[[[", "<a href=\"["},
        {"}}{{", "\"   ><img src=\""},
        {"a < b & [c] {d}", "a < b & [c] {d}"},
    };
    for (const Fila& f : filas)
        EXPECT_EQ(marcasahtml(q(f.entrada)), q(f.esperado)) << f.entrada;
}

TEST(ConversionHtmlamarcas, ConvertsWholeLinksAndPicturesInAnyCaseAndSpacing) {
    const Fila filas[] = {
        {"<a href=\"p2\"  >next</a>", "[[p2][next]]"},
        {"<a href=\"p2\">next</a>", "[[p2][next]]"},
        {"<A HREF=\"p2\">next</A>", "[[p2][next]]"},
        {"<a  href = \"p2\" >next</a >", "[[p2][next]]"},
        {"<a\r\nhref=\"p2\"\t>next</a\n>", "[[p2][next]]"},
        {"<img src=\"pic.png\"   >", "{{pic.png}}"},
        {"<IMG SRC=\"pic.png\">", "{{pic.png}}"},
        {"<img  src = \"a b.png\" />", "{{a b.png}}"},
        {"<a href=\"p2\"><img src=\"a.png\"></a>", "[[p2][{{a.png}}]]"},
        {"<a href=\"p2\"><b>x</b></a>", "[[p2][<b>x</b>]]"},
        {"<a href=\"p2\"></a>", "[[p2][]]"},
        {"x <a href=\"1\">a</a> y <a href=\"2\">b</a>", "x [[1][a]] y [[2][b]]"},
        {"<a href=\"1\">a</a></a>", "[[1][a]]</a>"},
    };
    for (const Fila& f : filas)
        EXPECT_EQ(htmlamarcas(q(f.entrada)), q(f.esperado)) << f.entrada;
}

TEST(ConversionHtmlamarcas, LeavesEverythingElseAsHtml) {
    const char* filas[] = {
        "<a href=\"x\" target=\"_blank\">y</a>",
        "<a href='x'>y</a>",
        "<a href=\"x\">y",
        "<a href=\"x>y</a>",
        "<abbr href=\"x\">y</abbr>",
        "<ahref=\"x\">y</a>",
        "<a name=\"x\">y</a>",
        "<img alt=\"x\" src=\"a.png\">",
        "<img src=\"a.png\"",
        // Values the notation would misread.
        "<a href=\"x[1]\">y</a>",
        "<a href=\"x\">[y]</a>",
        "<img src=\"a}}.png\">",
        // Pieces of elements are not elements.
        "<a href=\"",
        "\"  >",
        "</a>",
        "\"   >",
        "plain & <b>bold</b>",
    };
    for (const char* f : filas)
        EXPECT_EQ(htmlamarcas(q(f)), q(f)) << f;
}

TEST(ConversionMarcas, BracketTextsComeBackFromTheirHtml) {
    const char* textos[] = {
        "",
        "plain text",
        "[[p2][next]]",
        "{{a.png}}",
        "[[p][]]",
        "see [[p3][page three]] and {{dir\\pic one.jpg}}.",
        "[[p2][{{a.png}}]]",
        "[[http://x.org/?a=1&b=2][x & y]]",
        "[[p1][<b>bold</b> <i>it</i>]]",
        "[[p1][a]][[p2][b]]{{c.gif}}{{d.gif}}",
        "a < b > c & [d] {e}",
        "line\r\nbreak [[p1][one]]\r\n{{b.gif}}",
    };
    for (const char* t : textos)
        EXPECT_EQ(htmlamarcas(marcasahtml(q(t))), q(t)) << t;
}

TEST(ConversionHtmlatexto, OpenAndApplyInTheHtmlEditorIsStableAfterOneRound) {
    const char* htmls[] = {
        "",
        "a<br>b",
        "a\r<br>\r\nb",
        "a\r\n<br>\r\n\r\nb",
        "\r\n\r<br>\r\r<br>\n",
        "a\r\n\rb<br>\n\rc",
        "\r",
        "\n",
        "<p align=\"left\">\r\nx<br>\r\n</p>\r\n",
        "<font size=\"3\">x\r\ny</font>",
        "si\r\nze",
        "<br",
        "<b<br>r>",
        "<<br>br>>",
        "<BR>\r\n",
        "<font color=\"#000000\" face=\"Arial\" size=\"12\">a<br>\r\n<li>b</li>\r\n</font></p>\r\n",
    };
    for (const char* h : htmls) {
        const QString una = textoahtml(htmlatexto(q(h)));
        EXPECT_EQ(textoahtml(htmlatexto(una)), una) << h;
    }
}

TEST(ConversionPartirtexto, KeepsEmptyPiecesAndAlwaysTheLast) {
    struct Caso {
        const char* texto;
        char separador;
        QStringList esperado;
    };
    const Caso casos[] = {
        {"", ',', {""}},          {"a", ',', {"a"}},
        {"a,b", ',', {"a", "b"}}, {"a,,b", ',', {"a", "", "b"}},
        {"a,", ',', {"a", ""}},   {",", ',', {"", ""}},
        {",a", ',', {"", "a"}},   {"a|b,c|", '|', {"a", "b,c", ""}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(partirtexto(q(c.texto), QChar(c.separador)), c.esperado) << c.texto;
}
