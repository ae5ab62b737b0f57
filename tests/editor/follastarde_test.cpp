// The late build of the sheets: a sheet built the first time it is shown looks and behaves as one
// built with the window, after New, a language change or a book read; each page type's first show
// builds its sheet; a page stored through a sheet never built keeps its fields.
#include "book/campos.h"
#include "book/gardalocal.h"
#include "editor/controis.h"
#include "editor/follas.h"
#include "editor/htmlview.h"
#include "ventaproba.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <functional>

namespace quibel {
namespace {

// What a sheet shows: every widget in tree order with its caption, text, hint, colour, check and
// state.
QStringList estado(QWidget* raiz) {
    QStringList s;
    const std::function<void(QWidget*, const QString&)> percorrer = [&](QWidget* w, const QString& ruta) {
        QString l = ruta + QLatin1Char('/') + w->objectName() + QLatin1Char(' ') +
                    QString::fromLatin1(w->metaObject()->className());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            l += QStringLiteral(" t=%1 c=%2").arg(b->text()).arg(b->isChecked());
        if (auto* e = qobject_cast<QLabel*>(w)) {
            const QSize imaxe = e->pixmap().size();
            l += QStringLiteral(" t=%1 i=%2x%3").arg(e->text()).arg(imaxe.width()).arg(imaxe.height());
        }
        if (auto* e = qobject_cast<QLineEdit*>(w)) l += QStringLiteral(" t=") + e->text();
        if (auto* e = qobject_cast<QPlainTextEdit*>(w)) l += QStringLiteral(" t=") + e->toPlainText();
        if (auto* g = qobject_cast<QGroupBox*>(w)) l += QStringLiteral(" t=") + g->title();
        if (auto* p = qobject_cast<Panel*>(w))
            l += QStringLiteral(" p=%1 %2").arg(p->caption(), p->color().name());
        if (auto* v = qobject_cast<HtmlView*>(w)) l += QStringLiteral(" h=") + v->source();
        l += QStringLiteral(" h=%1 e=%2 o=%3").arg(w->toolTip()).arg(w->isEnabled()).arg(w->isHidden());
        s << l;
        for (QObject* o : w->children())
            if (auto* filla = qobject_cast<QWidget*>(o))
                percorrer(filla, ruta + QLatin1Char('/') + w->objectName());
    };
    percorrer(raiz, QString());
    return s;
}

class FollasTarde : public proba::Venta {
protected:
    // A second window whose sheets are all built at once, as the window once built them.
    std::unique_ptr<TForm1> xunto() {
        auto f = std::make_unique<TForm1>();
        f->libro.carpetacfg = dir.path() + "/";
        f->prepararfollas();
        return f;
    }
    static void novo(TForm1& f) {
        f.documento.porpaxinaactual(0); // New without the replace question
        f.SpeedButton135Click();
    }
    QString gardarlibro() {
        Book b;
        b.corfondolibro = QStringLiteral("102030");
        b.corbandalibro = QStringLiteral("405060");
        b.cornavegalibro = QStringLiteral("708090");
        b.cortextolibro = QStringLiteral("A0B0C0");
        b.txttitulo = QStringLiteral("Título");
        b.txtlibro = QStringLiteral("libro");
        // Pictures reach the sheet through the read's report, not the model.
        QImage imaxe(16, 12, QImage::Format_RGB32);
        imaxe.fill(Qt::red);
        for (const char* n : {"logo.png", "fondo.png"})
            EXPECT_TRUE(imaxe.save(dir.filePath(QString::fromLatin1(n))));
        b.arquivologo = dir.filePath(QStringLiteral("logo.png"));
        b.arquivofondo = dir.filePath(QStringLiteral("fondo.png"));
        for (int i = 1; i <= numtipos; ++i)
            b.paxina(i)[campo::tipo] = QString::number(i);
        b.paxina(15)[7] = QStringLiteral("primeiro botón");
        b.paxina(15)[18] = QStringLiteral("112233");
        b.numpaxinas = numtipos;
        const QString nome = dir.filePath(QStringLiteral("lido.zube"));
        EXPECT_TRUE(gardalocal(b, nome, 0));
        return nome;
    }
    void comparar(TForm1& cedo) {
        form->prepararfollas();
        for (int i = 0; i < TForm1::numfollas; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(estado(form->follas[i]), estado(cedo.follas[i]));
        }
    }
};

// Whatever happened before a sheet was built, it shows what a sheet built with the window shows.
TEST_F(FollasTarde, ASheetBuiltLateShowsWhatOneBuiltAtStartShows) {
    const QString lido = gardarlibro();
    const struct {
        const char* nome;
        std::function<void(TForm1&)> pasos;
    } casos[] = {
        {"new", [](TForm1& f) { novo(f); }},
        {"language", [](TForm1&) { aplicaridioma(5); }},
        {"open", [&](TForm1& f) { ASSERT_TRUE(f.cargar(lido)); }},
        {"new, language, open, new",
         [&](TForm1& f) {
             novo(f);
             aplicaridioma(6);
             ASSERT_TRUE(f.cargar(lido));
             novo(f);
         }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        aplicaridioma(0);
        crear();
        auto cedo = xunto();
        c.pasos(*form);
        c.pasos(*cedo);
        comparar(*cedo);
    }
}

TEST_F(FollasTarde, ANewThenTheFirstShowOfAMenuPageShowsTheInitialColours) {
    libro({"15"});
    QWidget* menu = form->follas[15 + primeirafollatipo];
    ASSERT_FALSE(form->follafeita(15 + primeirafollatipo));
    EXPECT_TRUE(menu->findChildren<QWidget*>().isEmpty());
    form->amosarpaxina(1);
    ASSERT_TRUE(form->follafeita(15 + primeirafollatipo));
    EXPECT_EQ(menu->findChild<Panel*>("cboton")->color(), QColor(0x84, 0xE1, 0xFD));
    EXPECT_EQ(menu->findChild<Panel*>("cbtexto")->color(), QColor(0x00, 0x00, 0x00));
}

TEST_F(FollasTarde, ALanguageChosenBeforeTheFirstShowCaptionsTheSheet) {
    libro({"15"});
    aplicaridioma(5);
    form->amosarpaxina(1);
    QWidget* menu = form->follas[15 + primeirafollatipo];
    EXPECT_EQ(menu->findChild<Panel*>("cboton")->caption(), textosui[40]);
    EXPECT_EQ(menu->findChild<QLabel*>("Label7")->text(), textosui[93]);
    aplicaridioma(0);
    EXPECT_EQ(menu->findChild<QLabel*>("Label7")->text(), textosui[93]) << "and follows later changes";
}

TEST_F(FollasTarde, ABookReadThenItsSheetsShownShowTheBook) {
    const QString lido = gardarlibro();
    ASSERT_FALSE(form->follafeita(TForm1::identif));
    ASSERT_TRUE(form->cargar(lido)); // Open ends on the properties sheet
    ASSERT_TRUE(form->follafeita(TForm1::identif));
    EXPECT_EQ(form->findChild<Panel*>("bcorfondo")->color(), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(form->findChild<Panel*>("Panel19")->color(), QColor(0x10, 0x20, 0x30));
    EXPECT_FALSE(form->findChild<QLabel*>("logo")->pixmap().isNull());
    // A page sheet first shown after the read shows the page's values.
    form->amosarpaxina(15);
    QWidget* menu = form->follas[15 + primeirafollatipo];
    EXPECT_EQ(menu->findChild<QLineEdit*>("txtmenu1")->text(), "primeiro botón");
    EXPECT_EQ(menu->findChild<Panel*>("cboton")->color(), QColor(0x11, 0x22, 0x33));
}

// Each page type: its sheet is empty until its first show, which builds and loads it; a later show
// builds nothing more; a page stored through a sheet never built keeps its fields.
TEST_F(FollasTarde, EachTypesFirstShowBuildsItsSheet) {
    for (int t = 1; t <= numtipos; ++t) {
        SCOPED_TRACE(t);
        crear();
        const QByteArray tipo = QByteArray::number(t);
        libro({tipo.constData(), "1"});
        const int i = t + primeirafollatipo;
        QWidget* folla = form->follas[i];
        ASSERT_FALSE(form->follafeita(i));
        EXPECT_TRUE(folla->findChildren<QWidget*>().isEmpty());

        // Stored without a show: the editor's fields stay.
        Tpaxina& p = form->libro.paxina(1);
        for (int k = 1; k < campo::bloqueavanzar; ++k)
            p[k] = QStringLiteral("v%1").arg(k);
        const Tpaxina antes = p;
        form->documento.tipoactual = quint8(t);
        form->pasar(t);
        for (int k = 1; k < campo::bloqueavanzar; ++k)
            EXPECT_EQ(p[k], antes[k]) << k;
        EXPECT_FALSE(form->follafeita(i));
        form->documento.tipoactual = 0;

        form->amosarpaxina(1);
        EXPECT_EQ(form->tipaxinas->actual(), i);
        ASSERT_TRUE(form->follafeita(i));
        const qsizetype controis = folla->findChildren<QWidget*>().size();
        EXPECT_GT(controis, 0);
        form->amosarpaxina(2);
        form->amosarpaxina(1);
        EXPECT_EQ(folla->findChildren<QWidget*>().size(), controis);
    }
}

// The page control is as wide from the start as its widest sheet needs once built: the window
// starts at the width it had when every sheet was built with it.
TEST_F(FollasTarde, EverySheetFitsTheWidthThePageControlStartsWith) {
    EXPECT_EQ(form->tipaxinas->minimumWidth(), TForm1::anchofollas);
    int mais = 0;
    for (int i = 0; i < TForm1::numfollas; ++i) {
        SCOPED_TRACE(form->follas[i]->objectName().toStdString());
        const int ancho = form->prepararfolla(i)->minimumSizeHint().width();
        EXPECT_LE(ancho, TForm1::anchofollas);
        mais = qMax(mais, ancho);
    }
    EXPECT_EQ(mais, TForm1::anchofollas) << "the constant follows the widest sheet";
}

} // namespace
} // namespace quibel
