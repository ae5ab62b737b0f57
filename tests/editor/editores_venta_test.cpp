// The information, question and word-game editors in the main window: what a new page of each type
// holds after its first show and hide, the same after a page of the type set every other way, a
// round trip of every type through the book file, and the find-a-word clues across a mode change.
#include "book/gardalocal.h"
#include "editor/htmlview.h"
#include "editor/paneiscor.h"
#include "editor/ranuras.h"
#include "editor/vinculos.h"
#include "follaproba.h"
#include "ventaproba.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMap>

using namespace quibel;

namespace {

const int tipos[] = {2, 12, 15, 16, 21, 29, 38, 42, 1, 4, 8, 10, 18, 19, 43, 45, 48};

// The fields a new page of the type holds after its first show and hide, besides P0, P31, P32 and
// P37, with the default book colours. Every other field stays empty.
QMap<int, QString> ancora(int tipo) {
    switch (tipo) {
    case 1:
        return {{19, "0"}, {20, "0"}, {21, "0"}, {22, "0"}};
    case 2:
        return {{8, "50"}, {9, "50"}, {10, "200"}, {11, "200"}, {28, "0"},     {29, "0"},
                {15, "0"}, {21, "1"}, {30, "0"},   {18, ""},    {19, "000000"}};
    case 4:
        return {{26, "1"}, {9, "0"}, {10, "0"}, {11, "0"}};
    case 10:
        return {{26, ""}};
    case 12:
    case 21:
        return {{29, "1"}};
    case 15:
        return {{18, "84E1FD"}, {19, "000000"}, {21, "1"}};
    case 19:
        return {{26, "0"}, {8, "0"}};
    case 29:
        return {{8, "16"}, {30, "0"}, {21, "0"}, {18, ""}, {19, "000000"}};
    case 38:
        return {{30, "0"}, {18, ""}, {19, "000000"}};
    case 42:
        return {{10, "1"}};
    case 45:
        return {{8, "0"}, {26, "0"}};
    case 48:
        return {{26, "0"}};
    default:
        return {};
    }
}

class Editores : public proba::Venta {
protected:
    QWidget* folla(int tipo) { return form->prepararfolla(tipo + primeirafollatipo); }
    Tpaxina& actual() { return form->libro.paxina(form->documento.paxinaactual()); }

    void comprobarancora(int tipo, const QMap<int, QString>& esperado) {
        const Tpaxina& p = actual();
        EXPECT_EQ(p[0], QString::number(tipo));
        EXPECT_EQ(p[31], "0") << tipo;
        EXPECT_EQ(p[32], "0") << tipo;
        EXPECT_EQ(p[37], tipo == 4 ? "" : "0") << tipo;
        for (int n = 1; n <= 30; ++n)
            EXPECT_EQ(p[n], esperado.value(n)) << "type " << tipo << " P" << n;
        for (int n = 33; n <= 36; ++n)
            EXPECT_EQ(p[n], "") << "type " << tipo << " P" << n;
        for (int i = 1; i <= 6; ++i)
            EXPECT_EQ(form->libro.texto(form->documento.paxinaactual(), i), "")
                << "type " << tipo << " W" << i - 1;
    }
};

// What the sheet shows: every named edit, memo, box, radio group, colour panel and view.
QMap<QString, QString> estado(QWidget* folla) {
    QMap<QString, QString> e;
    for (QObject* o : folla->findChildren<QObject*>()) {
        const QString n = o->objectName();
        if (n.isEmpty() || qobject_cast<QRadioButton*>(o)) continue;
        if (qobject_cast<QLineEdit*>(o) && qobject_cast<LabelledEdit*>(o->parent())) continue;
        if (auto* v = qobject_cast<HtmlView*>(o))
            e[n] = v->source();
        else if (auto* i = qobject_cast<PictureBox*>(o))
            e[n] = i->imaxe().isNull() ? "-" : "picture";
        else if (qobject_cast<LabelledEdit*>(o) || qobject_cast<QLineEdit*>(o) ||
                 qobject_cast<QPlainTextEdit*>(o) || qobject_cast<QCheckBox*>(o) ||
                 qobject_cast<RadioGroup*>(o) || qobject_cast<Panel*>(o))
            e[n] = proba::valorde(o);
    }
    return e;
}

// The author changes every control the sheet shows: a short number in each edit, lines in each
// memo, each box toggled, each group's last mode, each panel a colour of its own.
void editartodo(QWidget* folla, int semente) {
    int k = semente;
    for (QObject* o : folla->findChildren<QObject*>()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isVisibleTo(folla)) continue;
        ++k;
        if (auto* l = qobject_cast<LabelledEdit*>(o)) {
            if (!l->edit()->isReadOnly()) proba::editar(l, QString::number(k % 10));
        } else if (auto* e = qobject_cast<QLineEdit*>(o); e && !qobject_cast<LabelledEdit*>(o->parent())) {
            if (!e->isReadOnly() && !e->objectName().isEmpty()) proba::editar(e, QString::number(k % 10));
        } else if (auto* v = qobject_cast<HtmlView*>(o)) {
            v->load(QStringLiteral("<p>v%1</p>").arg(k));
        } else if (auto* m = qobject_cast<QPlainTextEdit*>(o)) {
            m->setPlainText(QStringLiteral("m%1\nline").arg(k));
        } else if (auto* c = qobject_cast<QCheckBox*>(o)) {
            c->click();
        } else if (auto* g = qobject_cast<RadioGroup*>(o)) {
            g->buttons().last()->click();
        } else if (auto* p = qobject_cast<Panel*>(o); p && o->objectName() != "") {
            p->setColor(QColor(k * 7 % 256, k * 13 % 256, k * 29 % 256));
        }
    }
}

} // namespace

TEST_F(Editores, ANewPageHoldsTheTypesDefaultsAfterItsFirstShowAndHide) {
    for (int tipo : tipos) {
        libro({});
        form->iniciatipo(tipo);
        ASSERT_EQ(form->tipaxinas->actual(), tipo + primeirafollatipo);
        form->tipaxinas->amosar(TForm1::pasarfolla);
        comprobarancora(tipo, ancora(tipo));
    }
}

TEST_F(Editores, ANewPageAfterAPageSetTheOtherWayHoldsTheSameDefaults) {
    for (int tipo : tipos) {
        libro({});
        form->iniciatipo(tipo);
        form->tipaxinas->amosar(TForm1::pasarfolla);
        // Every box and mode the other way, colours of its own.
        Tpaxina& p = actual();
        for (int n = 1; n <= 30; ++n)
            p[n] = "1";
        p[26] = tipo == 4 ? "2" : "1";
        p[18] = "123456";
        p[19] = "654321";
        form->amosarpaxina(form->documento.paxinaactual());
        form->iniciatipo(tipo);
        form->tipaxinas->amosar(TForm1::pasarfolla);
        QMap<int, QString> esperado = ancora(tipo);
        if (tipo == 15) // the menu colours follow the last menu page
            esperado[18] = "123456", esperado[19] = "654321";
        comprobarancora(tipo, esperado);
    }
}

// The slot fields of each type, filled as drops fill them (the format writes many items only
// when their picture or sound is set): {type, first field, last field, picture or sound}.
const struct {
    int tipo, de, ata;
    bool imaxe;
} ranurasfeitas[] = {
    {1, 14, 14, true},  {2, 14, 14, true},   {8, 7, 9, false},   {10, 14, 14, true},
    {12, 1, 12, true},  {12, 13, 18, false}, {15, 22, 27, true}, {19, 14, 14, true},
    {21, 1, 6, true},   {21, 13, 18, false}, {38, 14, 14, true}, {43, 14, 14, true},
    {45, 14, 14, true}, {45, 9, 9, false},   {48, 19, 23, true}, {48, 7, 11, false},
};

TEST_F(Editores, EveryTypeRoundTripsThroughTheBookFile) {
    QPixmap pixel(12, 12);
    pixel.fill(Qt::blue);
    ASSERT_TRUE(pixel.save(dir.path() + "/p.png"));
    QFile son(dir.path() + "/s.mp3");
    ASSERT_TRUE(son.open(QIODevice::WriteOnly));
    son.close();
    libro({});
    form->libro.carpetalibro = dir.path();
    for (int tipo : tipos)
        form->iniciatipo(tipo);
    form->tipaxinas->amosar(TForm1::pasarfolla);
    ASSERT_EQ(int(form->libro.numpaxinas), int(std::size(tipos)));
    for (int i = 0; i < int(std::size(tipos)); ++i) {
        for (const auto& r : ranurasfeitas)
            if (r.tipo == tipos[i])
                for (int n = r.de; n <= r.ata; ++n)
                    form->libro.paxina(i + 1)[n] = dir.path() + (r.imaxe ? "/p.png" : "/s.mp3");
        for (int w = 2; w <= 6; ++w) // the menu's other buttons
            if (tipos[i] == 15) form->libro.texto(i + 1, w) = QString("<p>b%1</p>").arg(w);
    }
    std::vector<QMap<QString, QString>> antes;
    for (int i = 0; i < int(std::size(tipos)); ++i) {
        form->amosarpaxina(i + 1);
        editartodo(folla(tipos[i]), 10 * i);
        form->amosarpaxina(i + 1); // stored, then shown again
        antes.push_back(estado(folla(tipos[i])));
    }
    form->tipaxinas->amosar(TForm1::pasarfolla);
    ASSERT_EQ(tipos[8], 1);
    EXPECT_EQ(antes[8].value("txtmult1").size(), 1) << "the author's edits reached the sheet";
    EXPECT_EQ(form->libro.texto(3, 1), antes[2].value("visormenu")) << "the menu view's text is stored";
    EXPECT_TRUE(antes[2].value("visormenu").startsWith("<p>v"));
    const QString arquivo = dir.path() + "/idaevolta.zube";
    ASSERT_TRUE(gardalocal(form->libro, arquivo, 0));
    ASSERT_TRUE(form->cargar(arquivo));
    for (int i = 0; i < int(std::size(tipos)); ++i) {
        form->amosarpaxina(i + 1);
        QMap<QString, QString> despois = estado(folla(tipos[i]));
        // The format writes the HTML flag only when it is set; unset, it reads back as the
        // editor's default, set.
        if (tipos[i] == 2) {
            EXPECT_EQ(despois.take("shtml"), "1");
        }
        if (tipos[i] == 15) {
            EXPECT_EQ(despois.take("mhtml"), "1");
        }
        antes[i].remove("shtml"), antes[i].remove("mhtml");
        for (auto it = antes[i].cbegin(); it != antes[i].cend(); ++it)
            EXPECT_EQ(despois.value(it.key()), it.value())
                << "type " << tipos[i] << " " << it.key().toStdString();
    }
}

TEST_F(Editores, AStatementsPageAfterAPicturePageKeepsItsStatements) {
    libro({"4", "4"});
    Book& b = form->libro;
    b.paxina(1)[26] = "2";
    for (int i = 0; i < 8; ++i) {
        b.paxina(1)[18 + i] = QString("/pic%1.png").arg(i);
        b.paxina(2)[18 + i] = QString("statement %1").arg(i);
    }
    b.paxina(2)[26] = "1";
    form->amosarpaxina(1);
    form->amosarpaxina(2);
    EXPECT_EQ(folla(4)->findChild<QLineEdit*>("sopae3")->text(), "statement 2");
    form->amosarpaxina(1);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(b.paxina(1)[18 + i], QString("/pic%1.png").arg(i));
        EXPECT_EQ(b.paxina(2)[18 + i], QString("statement %1").arg(i));
    }
    EXPECT_EQ(b.paxina(2)[26], "1");
}

TEST_F(Editores, TheEditButtonsOpenTheTextEditorOnTheirView) {
    form->prepararfollas();
    const struct {
        int tipo;
        const char* boton;
        HtmlView* vista;
    } casos[] = {{2, "editar", form->visortexto},
                 {15, "SpeedButton69", form->visormenu},
                 {15, "SpeedButton98", form->visormenu},
                 {38, "SpeedButton104", form->visorplantilla}};
    for (const auto& c : casos) {
        form->visoreditor = nullptr;
        auto* b = folla(c.tipo)->findChild<QAbstractButton*>(c.boton);
        ASSERT_NE(b, nullptr) << c.boton;
        b->click();
        EXPECT_EQ(form->visoreditor, c.vista) << c.boton;
    }
}

// Every caption of these sheets fits its control in every built-in language, at the window's
// starting size.
TEST_F(Editores, EveryCaptionFitsItsControlInEveryLanguage) {
    libro({});
    for (int tipo : tipos)
        form->iniciatipo(tipo);
    form->show();
    for (int idioma = 0; idioma < 12; ++idioma) {
        aplicaridioma(idioma);
        for (int i = 0; i < int(std::size(tipos)); ++i) {
            form->amosarpaxina(i + 1);
            QWidget* f = folla(tipos[i]);
            for (QWidget* w : f->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(f)) continue;
                for (QWidget* l = w; l; l = l->parentWidget())
                    if (l->layout()) l->layout()->activate();
                QString texto;
                int preciso = 0;
                if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) {
                    texto = l->text();
                    preciso = l->sizeHint().width();
                } else if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
                    texto = b->text();
                    preciso = b->sizeHint().width();
                } else if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
                    texto = g->title();
                    preciso = g->fontMetrics().horizontalAdvance(texto) + 12;
                }
                if (texto.isEmpty()) continue;
                EXPECT_GE(w->width(), preciso)
                    << "language " << idioma << " type " << tipos[i] << " " << w->objectName().toStdString()
                    << " \"" << texto.toStdString() << "\"";
            }
        }
    }
}

// The captions of the fixed controls of these sheets after a language change, as the window's
// re-captioning lists them.
TEST_F(Editores, TheSheetsTakeTheirCaptionsFromTheLanguageInForce) {
    struct Rotulo {
        int tipo;
        const char* control;
        int texto;
        const char* antes = "";
        bool axuda = false;
    };
    std::vector<Rotulo> rotulos = {
        {1, "txtresp", 126},
        {1, "correct", 60},
        {2, "txtimtxt", 126},
        {2, "Label9", 63},
        {2, "ctfondo", 40, "    "},
        {2, "cttexto", 63},
        {2, "Image3", 128, "", true},
        {4, "Label22", 69},
        {4, "Label5", 70},
        {4, "CheckBox1", 71},
        {4, "enuncia", 72},
        {4, "colorea", 73},
        {4, "cadro", 74},
        {4, "GroupBox59", 86},
        {4, "labelsopa", 173},
        {8, "grfrase1", 85},
        {8, "grfrase2", 85},
        {8, "grfrase3", 85},
        {8, "txtfrson1", 30},
        {8, "txtfrson2", 30},
        {8, "txtfrson3", 30},
        {8, "Label17", 100},
        {8, "Label23", 100},
        {8, "Label24", 100},
        {10, "Label3", 11},
        {10, "Label4", 76},
        {10, "pregch", 113},
        {12, "chvercimaxe", 74},
        {15, "cbtexto", 63},
        {15, "cboton", 40},
        {15, "Label7", 93},
        {15, "Label11", 94},
        {15, "Label12", 63},
        {16, "Label14", 97},
        {16, "Label15", 53},
        {16, "Label16", 99},
        {16, "GroupBox35", 95},
        {16, "txtext", 96},
        {16, "Label75", 188},
        {18, "Label6", 104},
        {18, "modorel1", 105},
        {18, "modorel2", 106},
        {18, "modorel3", 107},
        {19, "segnomimax", 126},
        {19, "Label37", 63},
        {19, "segpal", 28},
        {19, "GroupBox102", 86},
        {19, "chsegreda1", 187},
        {19, "chsegreda2", 181},
        {19, "labelsegreda", 173},
        {21, "chvercsons", 74},
        {29, "Label48", 47},
        {29, "Panel48", 40},
        {29, "Panel56", 47},
        {29, "moddicta1", 154},
        {29, "moddicta2", 158},
        {29, "moddicta3", 107},
        {29, "GroupBox81", 127},
        {38, "resplan", 76},
        {38, "labelplan", 47},
        {38, "corfondoplan", 40},
        {38, "cortexplan", 47},
        {38, "labelboton", 213},
        {38, "textobtplantilla", 47},
        {42, "gresquema", 194},
        {43, "palabra_ortograf", 70},
        {43, "otras_ortograf", 173},
        {43, "Label70", 47},
        {45, "chktexto_dictado", 200},
        {45, "chkerros_dictado", 201},
        {45, "son_dictado", 30},
        {48, "chfrases2", 158},
    };
    for (int i = 1; i <= 6; ++i) {
        rotulos.push_back({12, proba::fixo("txtimaxg" + std::to_string(i)), 88});
        rotulos.push_back({21, proba::fixo("txtson" + std::to_string(i)), 30});
    }
    for (int idioma : {9, 5}) {
        aplicaridioma(idioma);
        for (const Rotulo& r : rotulos) {
            QWidget* w = folla(r.tipo)->findChild<QWidget*>(r.control);
            ASSERT_NE(w, nullptr) << r.control;
            QString visto;
            if (r.axuda)
                visto = w->toolTip();
            else if (auto* l = qobject_cast<LabelledEdit*>(w))
                visto = l->etiqueta()->text();
            else if (auto* p = qobject_cast<Panel*>(w))
                visto = p->caption();
            else if (auto* g = qobject_cast<QGroupBox*>(w))
                visto = g->title();
            else if (auto* e = qobject_cast<QLabel*>(w))
                visto = e->text();
            else if (auto* b = qobject_cast<QAbstractButton*>(w))
                visto = b->text();
            EXPECT_EQ(visto, r.antes + textosui[r.texto]) << idioma << " " << r.control;
        }
    }
}

TEST_F(Editores, SwitchingAFindAWordPageToStatementsStoresThem) {
    libro({"4"});
    Book& b = form->libro;
    b.paxina(1)[26] = "2";
    for (int i = 0; i < 8; ++i)
        b.paxina(1)[18 + i] = QString("/pic%1.png").arg(i);
    form->amosarpaxina(1);
    QWidget* f = folla(4);
    EXPECT_TRUE(f->findChild<QWidget*>("Panel63")->isHidden());
    f->findChild<QCheckBox*>("CheckBox1")->click();
    EXPECT_FALSE(f->findChild<QWidget*>("Panel63")->isHidden());
    proba::editar(f->findChild<QLineEdit*>("sopae2"), "typed");
    form->tipaxinas->amosar(TForm1::pasarfolla);
    EXPECT_EQ(b.paxina(1)[26], "1");
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(b.paxina(1)[18 + i], i == 1 ? "typed" : "") << i;
}
