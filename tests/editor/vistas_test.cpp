// The HTML views of the page texts: the source kept verbatim, sizes in points, text-file drops, the
// reset, and a click handing the view to the editor windows.
#include "book/conversionhtml.h"
#include "editor/editortexto.h"
#include "editor/htmlview.h"
#include "editor/recursos.h"
#include "ventaproba.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolButton>

using namespace quibel;
using proba::Venta;

namespace {

bool soltar(QWidget* w) {
    QMimeData* datos = datosarrastre();
    QDragEnterEvent entra(QPoint(3, 3), Qt::CopyAction, datos, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &entra);
    QDropEvent solta(QPointF(3, 3), Qt::CopyAction, datos, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &solta);
    delete datos;
    return entra.isAccepted();
}

} // namespace

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

TEST_F(Venta, ViewsTakeTextFilesOnly) {
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
        EXPECT_FALSE(soltar(vista->viewport())) << "a picture is refused";
        d.tiporecurso = 4;
        d.recursoescollido = dir.filePath("latin.txt");
        EXPECT_TRUE(soltar(vista->viewport()));
        EXPECT_EQ(vista->source(), textoahtml("uno\r\ndous"));
        d.recursoescollido = dir.filePath("latin1.txt");
        soltar(vista->viewport());
        EXPECT_EQ(vista->source(), textoahtml(QString::fromUtf8("maña")));
        d.recursoescollido = dir.filePath("missing.txt");
        soltar(vista->viewport());
        EXPECT_EQ(vista->source(), textoahtml(QString::fromUtf8("maña")))
            << "an unreadable file keeps the view";
    }
}

TEST_F(Venta, ViewsOnTheirSheetsResetAndClick) {
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

    QTest::mouseClick(form->visorplantilla->viewport(), Qt::LeftButton);
    EXPECT_EQ(form->visoreditor, form->visorplantilla);
    EXPECT_EQ(form->textoeditor, "text");
}

// The HTML text editor: opened on a view, it shows "<br>" as line breaks; apply loads the view,
// and applying twice, or opening and applying without a change, gives the same text.
TEST_F(Venta, TheHtmlTextEditorAppliesToItsView) {
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
