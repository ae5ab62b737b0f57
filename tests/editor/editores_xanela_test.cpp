// The classify, link, order and picture-game editors in the main window: what a new page holds
// after its first show and hide (and what a new page takes over from the page before), a page of
// each type through a save and an Open, and the modes that hide a type's slots.
#include "book/gardalocal.h"
#include "editor/ranuras.h"
#include "follaproba.h"
#include "ventaproba.h"

#include <QGroupBox>
#include <QToolButton>
#include <map>

using namespace quibel;
using namespace quibel::proba;

namespace {

// "k=v a-b=v": fields and their texts; 100 + i is the wide text W(i); a text "t#" is "t<k>".
std::map<int, QString> campos(const char* lista) {
    std::map<int, QString> r;
    for (const QString& parte : QString::fromUtf8(lista).split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype igual = parte.indexOf(u'=');
        const QStringList extremos = parte.left(igual).split(u'-');
        const QString valor = parte.mid(igual + 1);
        for (int k = extremos.first().toInt(); k <= extremos.last().toInt(); ++k)
            r[k] = valor.endsWith(u'#') ? valor.chopped(1) + QString::number(k) : valor;
    }
    return r;
}

QString& campoen(Book& b, int paxina, int k) {
    return k >= 100 ? b.texto(paxina, k - 100 + 1) : b.paxina(paxina)[k];
}

struct Tipo {
    int tipo;
    const char* anchor;   // the fields a new page holds after its first show and hide
    const char* outra;    // a page with every box and mode the other way
    const char* pegado;   // what a new page after that one (and its panels at 123456) holds
    const char* paneis;   // the colour panels of the sheet
    const char* cheo;     // a filled page for the round trip
    const char* arquivos; // its resource fields, with the files' names
};

const Tipo tipos[] = {
    {3, "9=1 10=1 3=100 4=0 8=0", "9=4 10=5 3=30 4=1 8=1", "", "", "3=40 4=1 8=1 9=3 10=4", "6=r# 14=r#"},
    {5, "8=0 9=0 29=000000 4=50", "8=10 9=20 4=70", "29=123456 4=70", "raicol",
     "2=resposta 4=60 8=15 9=25 29=336699 100=texto", "6=r# 14=r#"},
    {6, "19-24=1 27=100 28=100 26=0", "19-24=2 27=30 28=40 26=1", "", "",
     "1-8=t# 19=2 20=1 21=2 22=1 23=2 24=1 26=1 27=30 28=60", "9=r# 10=r#"},
    {7, "19-24=1 27=100 28=100 26=0 18=FFFFFF 11=0", "19-24=2 27=30 28=40 26=1 11=1", "", "imcorfondo",
     "1-2=t# 11=1 18=336699 19=2 20=1 21=2 22=1 23=2 24=1 26=1 27=30 28=60", "3-10=r#"},
    {9, "9=50 10=225 11=400 19-21=300", "9=1 10=2 11=3 19=4 20=5 21=6", "", "",
     "2-7=t# 9=10 10=120 11=240 19=30 20=60 21=90 100=texto", "8=r# 14=r#"},
    {11, "26=1", "26=3", "", "", "6-10=t# 26=3", "1-5=r#"},
    {13, "", "", "", "", "1-10=t#", ""},
    {14, "18=84E1FD", "", "18=123456", "bcarrastra", "7-9=t# 18=336699", "1-6=r# 10-12=r#"},
    {17, "18=FFFFFF 29=000000", "", "29=123456", "caracol caratapa", "28=30 18=336699 29=993366", "1-6=r#"},
    {22, "26=2", "26=5", "", "", "6-10=t# 26=4", "1-5=r# 18-22=r#"},
    {24, "1-6=0 18=84E1FD", "1-6=1", "18=123456", "bcescolle", "7-12=t# 1=1 2=0 3=1 4=0 5=1 6=0 18=336699",
     "19-24=r#"},
    {28, "", "", "", "", "3-5=t# 20-22=t#", "14=r#"},
    {34, "8=1 26=", "8=0 26=2", "", "", "1=t# 8=0 26=2", "14=r#"},
    {37, "", "", "", "", "1-6=t# 100=pir", ""},
    {46, "", "", "", "", "1-12=t# 19-24=t#", ""},
    {47, "", "", "", "", "1=A,B,C 3-8=t# 19-24=1", ""},
};

class Editores2 : public Venta {
protected:
    // A resource file in the test's folder, by its full path.
    QString recurso(const QString& nome) {
        QFile f(dir.filePath(nome));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return f.fileName();
    }

    QWidget* folla(int tipo) { return form->prepararfolla(tipo + primeirafollatipo); }

    // A new page of the type as the palette inserts it, every field outside the anchor holding a
    // sentinel, shown and hidden once.
    void novapaxina(const Tipo& t) {
        const std::map<int, QString> anchor = campos(t.anchor);
        // As the palette inserts it (none of these types sets fields of a new page).
        form->tipaxinas->amosar(TForm1::pasarfolla);
        ASSERT_TRUE(form->paxinanova(1));
        const int n = form->documento.paxinaactual();
        form->libro.paxina(n)[0] = QString::number(t.tipo);
        for (int k = 1; k < Tpaxina::numcampos; ++k)
            if (!anchor.count(k) && k != 31 && k != 32 && k != 37)
                form->libro.paxina(n)[k] = QStringLiteral("s%1").arg(k);
        for (int i = 0; i <= 5; ++i)
            if (!anchor.count(100 + i)) form->libro.texto(n, i + 1) = QStringLiteral("sW%1").arg(i);
        form->amosarpaxina(n);
        form->tipaxinas->amosar(TForm1::pasarfolla);
    }
    void comprobaranchor(const Tipo& t, int n, const std::map<int, QString>& esperado) {
        SCOPED_TRACE(t.tipo);
        std::map<int, QString> e = esperado;
        e[0] = QString::number(t.tipo);
        e[31] = e[32] = e[37] = QStringLiteral("0");
        for (int k = 0; k < Tpaxina::numcampos; ++k) {
            const QString sentinela = QStringLiteral("s%1").arg(k);
            EXPECT_EQ(form->libro.paxina(n)[k], e.count(k) ? e[k] : sentinela) << "P" << k;
        }
        for (int i = 0; i <= 5; ++i)
            EXPECT_EQ(form->libro.texto(n, i + 1), QStringLiteral("sW%1").arg(i)) << "W" << i;
    }

    // What the sheet shows: every named edit, memo, box, button and panel, and the place of the
    // controls a page moves.
    std::map<QString, QString> estado(int tipo) {
        std::map<QString, QString> r;
        for (QWidget* w : folla(tipo)->findChildren<QWidget*>()) {
            QString nome = w->objectName();
            if (nome.isEmpty() && w->parentWidget()) nome = w->parentWidget()->objectName();
            if (nome.isEmpty()) continue;
            if (auto* e = qobject_cast<QLineEdit*>(w))
                r[nome] = e->text();
            else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
                r[nome] = m->toPlainText();
            else if (auto* b = qobject_cast<QAbstractButton*>(w))
                r[nome] = b->isChecked() ? "1" : "0";
            else if (auto* p = qobject_cast<Panel*>(w))
                r[nome] = gardarcor(p);
            if (QStringList{"Panel42", "Panel43", "Panel44", "Image17", "Panel45", "cbura"}.contains(nome))
                r[nome + "@"] =
                    QStringLiteral("%1,%2 %3x%4").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height());
        }
        return r;
    }
};

} // namespace

TEST_F(Editores2, ANewPageHoldsItsDefaultsAndTakesOverOnlyThePanelsAndTheHole) {
    for (const Tipo& t : tipos) {
        libro({});
        novapaxina(t);
        comprobaranchor(t, 1, campos(t.anchor));

        // A page the other way, its panels chosen anew, then a new page.
        form->libro.paxina(1) = Tpaxina();
        form->libro.paxina(1)[0] = QString::number(t.tipo);
        for (const auto& [k, v] : campos(t.outra))
            campoen(form->libro, 1, k) = v;
        form->amosarpaxina(1);
        for (const QString& p : QString::fromLatin1(t.paneis).split(u' ', Qt::SkipEmptyParts))
            editar(folla(t.tipo)->findChild<Panel*>(p), "123456");
        if (t.tipo == 5) editar(folla(5)->findChild<QLineEdit*>("raibur"), "70");
        form->tipaxinas->amosar(TForm1::pasarfolla);
        novapaxina(t);
        std::map<int, QString> e = campos(t.anchor);
        for (const auto& [k, v] : campos(t.pegado))
            e[k] = v;
        comprobaranchor(t, form->documento.paxinaactual(), e);
    }
}

TEST_F(Editores2, APageOfEachTypeComesBackThroughASaveAndAnOpen) {
    for (const Tipo& t : tipos) {
        SCOPED_TRACE(t.tipo);
        libro({});
        form->libro.carpetalibro = dir.path() + u'/';
        form->iniciatipo(t.tipo);
        form->tipaxinas->amosar(TForm1::pasarfolla);
        Tpaxina& p = form->libro.paxina(1);
        p = Tpaxina();
        p[0] = QString::number(t.tipo);
        for (const auto& [k, v] : campos(t.cheo))
            campoen(form->libro, 1, k) = v;
        for (const auto& [k, nome] : campos(t.arquivos))
            p[k] = recurso(nome + ".png");
        form->amosarpaxina(1);
        const std::map<QString, QString> antes = estado(t.tipo);
        form->tipaxinas->amosar(TForm1::pasarfolla);
        const QString arquivo = dir.filePath(QStringLiteral("libro%1.zube").arg(t.tipo));
        ASSERT_TRUE(gardalocal(form->libro, arquivo, 0));

        libro({});
        ASSERT_TRUE(form->cargar(arquivo));
        form->amosarpaxina(1);
        EXPECT_EQ(estado(t.tipo), antes);
    }
}

TEST_F(Editores2, AChoosePageInModeTwoShowsNoPicturesAndStoresTheRest) {
    libro({"24", "24"});
    const QString a = recurso("a.png");
    Book& b = form->libro;
    for (int n : {1, 2})
        for (int k = 19; k <= 24; ++k)
            b.paxina(n)[k] = a;
    b.paxina(2)[26] = "2";
    form->amosarpaxina(1);
    QWidget* f = folla(24);
    EXPECT_EQ(f->findChild<LabelledEdit*>("imescolle1")->text(), "a.png");
    form->amosarpaxina(2);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(f->findChild<LabelledEdit*>(QStringLiteral("imescolle%1").arg(i))->text(), "") << i;
    }
    editar(f->findChild<LabelledEdit*>("txtescolle3"), "escolle");
    editar(f->findChild<QCheckBox*>("chescolle3"), "1");
    editar(f->findChild<Panel*>("bcescolle"), "123456");
    form->tipaxinas->amosar(TForm1::pasarfolla);
    for (int k = 19; k <= 24; ++k)
        EXPECT_EQ(b.paxina(2)[k], a) << k;
    EXPECT_EQ(b.paxina(2)[9], "escolle");
    EXPECT_EQ(b.paxina(2)[3], "1");
    EXPECT_EQ(b.paxina(2)[18], "123456");
    EXPECT_EQ(b.paxina(2)[26], "2");
}

TEST_F(Editores2, TheClassifyImagesPanelIsTheWindowsOwnOnItsSheet) {
    const QList<Panel*> paneis = form->findChildren<Panel*>("imcorfondo");
    ASSERT_EQ(paneis.size(), 1);
    EXPECT_TRUE(folla(7)->isAncestorOf(paneis[0]));
}

TEST_F(Editores2, CaptionsReachTheSheetsAndFitInEveryLanguage) {
    const struct {
        int tipo;
        const char* control;
        int texto;
    } rotulos[] = {{6, "chtxtcla", 112},   {7, "chimxcla", 112},  {3, "Panel25", 126},
                   {13, "GroupBox51", 89}, {37, "Label59", 47},   {46, "relacionadocon", 215},
                   {47, "cajas", 216},     {22, "op3sonid", 26},  {34, "modoordea", 155},
                   {11, "txtridimx1", 63}, {17, "caratapa", 103}, {9, "SpeedButton163", 63}};
    const int tipos[] = {3, 5, 6, 7, 9, 11, 13, 14, 17, 22, 24, 28, 34, 37, 46, 47};
    form->show();
    for (int idioma = 0; idioma < numidiomas; ++idioma) {
        aplicaridioma(idioma);
        for (const auto& r : rotulos) {
            QWidget* w = folla(r.tipo)->findChild<QWidget*>(r.control);
            ASSERT_NE(w, nullptr) << r.control;
            QString texto;
            if (auto* b = qobject_cast<QAbstractButton*>(w)) texto = b->text();
            if (auto* l = qobject_cast<QLabel*>(w)) texto = l->text();
            if (auto* g = qobject_cast<QGroupBox*>(w)) texto = g->title();
            if (auto* p = qobject_cast<Panel*>(w)) texto = p->caption();
            if (auto* e = qobject_cast<LabelledEdit*>(w)) texto = e->etiqueta()->text();
            EXPECT_EQ(texto, textosui[r.texto]) << idioma << " " << r.control;
        }
        for (int t : tipos) {
            form->tipaxinas->amosar(t + primeirafollatipo);
            QApplication::processEvents();
            for (QAbstractButton* b : folla(t)->findChildren<QAbstractButton*>()) {
                if (b->text().isEmpty() || qobject_cast<QToolButton*>(b)) continue;
                EXPECT_GE(b->width(), b->sizeHint().width())
                    << idioma << " " << b->objectName().toStdString();
            }
            for (QLabel* l : folla(t)->findChildren<QLabel*>()) {
                if (l->text().isEmpty() || !l->isVisibleTo(folla(t))) continue;
                EXPECT_GE(l->width(), l->sizeHint().width())
                    << idioma << " " << l->objectName().toStdString();
            }
        }
        form->tipaxinas->amosar(TForm1::pasarfolla);
    }
}

TEST_F(Editores2, ANewBookStartsThePanelsAndTheHoleAgain) {
    libro({"5", "14", "17", "24"});
    const struct {
        int tipo;
        const char* panel;
        int campo;
        const char* inicial;
    } paneis[] = {{5, "raicol", 29, "000000"},
                  {14, "bcarrastra", 18, "84E1FD"},
                  {17, "caratapa", 29, "000000"},
                  {24, "bcescolle", 18, "84E1FD"}};
    for (const auto& p : paneis)
        folla(p.tipo)->findChild<Panel*>(p.panel)->setColor(QColor(0x12, 0x34, 0x56));
    folla(5)->findChild<QLineEdit*>("raibur")->setText("70");
    libro({"5", "14", "17", "24"});
    for (int n = 1; n <= 4; ++n)
        form->amosarpaxina(n);
    form->tipaxinas->amosar(TForm1::pasarfolla);
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(form->libro.paxina(n)[paneis[n - 1].campo], paneis[n - 1].inicial) << paneis[n - 1].panel;
    EXPECT_EQ(form->libro.paxina(1)[4], "50");
}
