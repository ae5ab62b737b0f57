// The HTML views of the page texts: the source kept verbatim, sizes in points, text-file drops, the
// reset, and a click handing the view to the editor windows.
#include "book/conversionhtml.h"
#include "editor/controis.h"
#include "editor/editortexto.h"
#include "editor/editorv.h"
#include "editor/htmlview.h"
#include "editor/recursos.h"
#include "ventaproba.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QToolButton>

using namespace quibel;
using proba::soltarsobre;
using proba::Venta;

namespace {} // namespace

TEST(HtmlView, KeepsItsSourceAndShowsSizesInPoints) {
    const QString html = QStringLiteral("<font size=\"12\">Ola</font><br><p align=\"center\">x</p>\r\n&lt;");
    HtmlView v;
    v.load(html);
    EXPECT_EQ(v.source(), html);
    EXPECT_EQ(v.document()->begin().begin().fragment().charFormat().fontPointSize(), 12);
    EXPECT_FALSE(v.openLinks());

    const struct {
        const char *entrada, *saida;
    } casos[] = {
        {R"(<font size="12">a</font>)", R"(<font style="font-size:12pt">a</font>)"},
        {R"(<FONT color="#ff0000" size=9 face="Arial">a)",
         R"(<FONT color="#ff0000" style="font-size:9pt" face="Arial">a)"},
        {R"(<p size="3">size="3"</p>)", R"(<p size="3">size="3"</p>)"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(htmlparaver(QString::fromUtf8(c.entrada)), QString::fromUtf8(c.saida)) << c.entrada;
}

// Bare list items, as the page texts hold them, show as bullet lines; the text around them and a
// text that has lists of its own stay as they are.
TEST(HtmlView, ShowsListItemsAsBullets) {
    const struct {
        const char* html;
        const char* vistos; // one letter per block: "l" in a bullet list, "p" not
    } casos[] = {
        {"texto<br><li>un</li><li>dous</li>", "pll"},
        {"<LI>un</LI><br>\r\n<li class=\"x\">dous</li>fin", "llp"},
        {"a<li>un</li>b<br><li>dous", "plpl"},
        {"<ul><li>un</li></ul>", "l"},
    };
    for (const auto& c : casos) {
        HtmlView v;
        v.load(QString::fromUtf8(c.html));
        QString vistos;
        for (QTextBlock b = v.document()->begin(); b.isValid(); b = b.next()) {
            if (b.text().isEmpty() && !b.textList()) continue;
            const bool bala = b.textList() && b.textList()->format().style() == QTextListFormat::ListDisc;
            vistos += bala ? u'l' : u'p';
        }
        EXPECT_EQ(vistos, QString::fromLatin1(c.vistos)) << c.html;
        EXPECT_EQ(v.source(), QString::fromUtf8(c.html));
    }
}

// The same text loaded again keeps the document, shown as a new load shows it (from its start);
// another text, a cleared view or another folder for its pictures makes a new one.
TEST(HtmlView, KeepsItsDocumentWhileTheTextIsUnchanged) {
    HtmlView v;
    v.resize(120, 80);
    const QString a = QStringLiteral("<p>a</p>").repeated(60), b = QStringLiteral("<p>b</p>");
    v.load(a);
    const int revision = v.document()->revision();
    v.show();
    QCoreApplication::processEvents();
    v.moveCursor(QTextCursor::End, QTextCursor::KeepAnchor);
    v.verticalScrollBar()->setValue(v.verticalScrollBar()->maximum());
    ASSERT_GT(v.verticalScrollBar()->value(), 0);
    v.load(a);
    EXPECT_EQ(v.document()->revision(), revision);
    EXPECT_EQ(v.textCursor().position(), 0);
    EXPECT_FALSE(v.textCursor().hasSelection());
    EXPECT_EQ(v.verticalScrollBar()->value(), 0);
    v.clear();
    v.load(a);
    EXPECT_EQ(v.toPlainText(), QStringLiteral("a\n").repeated(59) + "a")
        << "a cleared view shows the text again";
    v.load(b);
    EXPECT_EQ(v.toPlainText(), "b");
    EXPECT_EQ(v.source(), b);
    const int antes = v.document()->revision();
    v.setSearchPaths({QStringLiteral("/outra")});
    v.load(b);
    EXPECT_NE(v.document()->revision(), antes) << "pictures are found in another folder";
}

TEST_F(Venta, ViewsTakeTextFilesOnly) {
    form->prepararfollas();
    QTemporaryDir dir;
    const auto escribir = [&](const char* nome, const QByteArray& datos) {
        QFile f(dir.filePath(nome));
        f.open(QIODevice::WriteOnly);
        f.write(datos);
    };
    escribir("latin.txt", "\xEF\xBB\xBF"
                          "uno\r\ndous");
    escribir("latin1.txt", "ma\xF1\x61");
    Documento& d = form->documento;
    for (HtmlView* vista : {form->visortexto, form->visormenu, form->visorplantilla}) {
        SCOPED_TRACE(vista->objectName().toStdString());
        vista->load("kept");
        d.tiporecurso = 1;
        d.recursoescollido = dir.filePath("a.png");
        EXPECT_FALSE(soltarsobre(vista->viewport())) << "a picture is refused";
        d.tiporecurso = 4;
        d.recursoescollido = dir.filePath("latin.txt");
        EXPECT_TRUE(soltarsobre(vista->viewport()));
        EXPECT_EQ(vista->source(), textoahtml("uno\r\ndous"));
        d.recursoescollido = dir.filePath("latin1.txt");
        soltarsobre(vista->viewport());
        EXPECT_EQ(vista->source(), textoahtml(QString::fromUtf8("maña")));
        d.recursoescollido = dir.filePath("missing.txt");
        soltarsobre(vista->viewport());
        EXPECT_EQ(vista->source(), textoahtml(QString::fromUtf8("maña")))
            << "an unreadable file keeps the view";
    }
}

TEST_F(Venta, ViewsOnTheirSheetsResetAndClick) {
    form->prepararfollas();
    EXPECT_EQ(form->visormenu->parentWidget(), form->follas[15 + primeirafollatipo]);
    EXPECT_EQ(form->visormenu->geometry(), QRect(255, 152, 410, 260));
    EXPECT_EQ(form->visormenu->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(form->visorplantilla->geometry(), QRect(296, 76, 305, 285));

    for (HtmlView* v : {form->visortexto, form->visormenu, form->visorplantilla})
        v->load("text");
    form->SpeedButton135Click(); // New resets the text and menu views
    EXPECT_TRUE(form->visortexto->source().isEmpty());
    EXPECT_TRUE(form->visormenu->source().isEmpty());
    EXPECT_EQ(form->visorplantilla->source(), "text");
    EXPECT_EQ(form->visorplantilla->searchPaths(), QStringList{form->libro.carpetalibro});

    QTest::mouseClick(form->visorplantilla->viewport(), Qt::LeftButton);
    EXPECT_EQ(form->visoreditor, form->visorplantilla);
    EXPECT_EQ(form->textoeditor, "text");
}

// The HTML text editor: opened on a view, it shows "<br>" as line breaks; apply loads the view,
// and applying twice, or opening and applying without a change, gives the same text.
TEST_F(Venta, TheHtmlTextEditorAppliesToItsView) {
    form->prepararfollas();
    Tfeditortexto ventana;
    form->feditortexto = &ventana;
    form->visormenu->load(textoahtml("uno\ndous"));
    QString visto;
    fakes.dialogos->enmodal = [&](QDialog* d) {
        d->show();
        visto = ventana.editortexto->toPlainText();
        ventana.SpeedButton5->click();
        const QString unha = form->visormenu->source();
        ventana.SpeedButton5->click();
        EXPECT_EQ(form->visormenu->source(), unha) << "apply twice equals once";
        ventana.SpeedButton6->click();
    };
    form->editarClick();
    ASSERT_EQ(fakes.dialogos->modais, QList<QDialog*>{&ventana});
    EXPECT_EQ(visto, QStringLiteral("<font size=\"12\">uno\ndous</font>"));
    EXPECT_EQ(form->visormenu->source(), textoahtml("uno\ndous")) << "unchanged when nothing was edited";
    EXPECT_TRUE(ventana.isHidden());

    fakes.dialogos->enmodal = [&](QDialog* d) {
        d->show();
        ventana.editortexto->setPlainText("[[p2][next]]\nline");
        ventana.SpeedButton5->click();
        d->close();
    };
    form->SpeedButton104Click();
    EXPECT_EQ(form->visoreditor, form->visorplantilla);
    EXPECT_EQ(form->visorplantilla->source(), textoahtml("[[p2][next]]\nline"));
    form->feditortexto = nullptr;
}

// The rich-text editor: what it applies, its style toggles and bullets, an undo that cannot reach
// before the text it was opened with, and a background that is no part of the text.
TEST_F(Venta, TheRichTextEditor) {
    form->prepararfollas();
    Tfeditor1 ventana;
    form->feditor1 = &ventana;
    std::function<void()> accion;
    fakes.dialogos->enmodal = [&](QDialog* d) {
        d->show();
        accion();
        d->close();
    };

    // Opened on an empty view, typing a link in the bracket notation.
    form->visortexto->load(QString());
    accion = [&] {
        EXPECT_FALSE(ventana.editorvisual->document()->isUndoAvailable());
        ventana.editorvisual->insertPlainText("[[p2][next]]");
        ventana.SpeedButton5->click();
    };
    QTest::mouseClick(form->visortexto->viewport(), Qt::LeftButton);
    ASSERT_EQ(fakes.dialogos->modais.size(), 1);
    const QString ligado = form->visortexto->source();
    EXPECT_TRUE(ligado.contains("<a href=\"p2\"  >next</a>")) << ligado.toStdString();

    // Opened again and applied without a change: the same text; twice: the same.
    accion = [&] {
        ventana.SpeedButton5->click();
        ventana.SpeedButton5->click();
    };
    QTest::mouseClick(form->visortexto->viewport(), Qt::LeftButton);
    EXPECT_EQ(form->visortexto->source(), ligado);

    // Bold on a half-bold selection bolds all, then unbolds all; bullets on and off; a dark
    // background changes nothing.
    form->visortexto->load(QString());
    QString negra, sen, fondo;
    accion = [&] {
        QTextEdit* e = ventana.editorvisual;
        e->insertPlainText("ab");
        QTextCursor c = e->textCursor();
        c.setPosition(0);
        c.setPosition(1, QTextCursor::KeepAnchor);
        QTextCharFormat b;
        b.setFontWeight(QFont::Bold);
        c.mergeCharFormat(b);
        c.setPosition(0);
        c.setPosition(2, QTextCursor::KeepAnchor);
        e->setTextCursor(c);
        ventana.btneg->click();
        negra = richahtml(*e->document());
        ventana.btneg->click();
        sen = richahtml(*e->document());
        ventana.btpuntos->click();
        EXPECT_NE(e->textCursor().currentList(), nullptr);
        ventana.btpuntos->click();
        EXPECT_EQ(e->textCursor().currentList(), nullptr);
        const QString antes = richahtml(*e->document());
        ventana.btblanco2->clicked();
        fondo = richahtml(*e->document());
        EXPECT_EQ(fondo, antes);
        EXPECT_EQ(e->palette().color(QPalette::Base), QColor(51, 51, 51));
    };
    QTest::mouseClick(form->visortexto->viewport(), Qt::LeftButton);
    EXPECT_TRUE(negra.contains("<b>ab</b>")) << negra.toStdString();
    EXPECT_FALSE(sen.contains("<b>")) << sen.toStdString();
    form->feditor1 = nullptr;
}

// A picture that changes on disk, or appears where the text names it, is shown anew when the same
// text is loaded again; an untouched one keeps the document.
TEST(HtmlView, ShowsAPictureChangedOnDiskAnew) {
    QTemporaryDir dir;
    const auto pintar = [&](const char* nome, QColor cor, int lado) {
        QImage i(lado, lado, QImage::Format_RGB32);
        i.fill(cor);
        ASSERT_TRUE(i.save(dir.filePath(QString::fromLatin1(nome)), "PNG"));
    };
    const auto cor = [](HtmlView& v, const char* nome) {
        const QVariant r =
            v.document()->resource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(nome)));
        const QImage i = r.typeId() == QMetaType::QPixmap ? r.value<QPixmap>().toImage() : r.value<QImage>();
        return i.isNull() ? QColor() : i.pixelColor(0, 0);
    };
    pintar("a.png", Qt::red, 4);
    HtmlView v;
    v.setSearchPaths({dir.path()});
    const QString html = QStringLiteral("<p><img src=\"a.png\"><img src=\"b.png\"></p>");
    v.load(html);
    EXPECT_EQ(cor(v, "a.png"), QColor(Qt::red));
    EXPECT_FALSE(cor(v, "b.png").isValid());
    int revision = v.document()->revision();
    v.load(html);
    EXPECT_EQ(v.document()->revision(), revision) << "nothing changed";

    pintar("a.png", Qt::blue, 5);
    v.load(html);
    EXPECT_EQ(cor(v, "a.png"), QColor(Qt::blue));
    EXPECT_FALSE(cor(v, "b.png").isValid());

    pintar("b.png", Qt::green, 4);
    v.load(html);
    EXPECT_EQ(cor(v, "b.png"), QColor(Qt::green)) << "a picture that was missing has appeared";
}
