// The re-captioning of the main window from its one table of captions and hints.
#include "editor/controis.h"
#include "languages/rotulos.h"
#include "ventaproba.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <map>

using namespace quibel;
using proba::Venta;

namespace {

QString lerrotulo(QWidget* w, int clase) {
    if (clase == Rotulo::hint) return w->toolTip();
    if (clase == Rotulo::etiqueta) return qobject_cast<LabelledEdit*>(w)->etiqueta()->text();
    if (auto* p = qobject_cast<Panel*>(w)) return p->caption();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    return qobject_cast<QLabel*>(w)->text();
}

const Rotulo& ultimo(const char* nome, int clase = Rotulo::caption) {
    const Rotulo* r = nullptr;
    for (const Rotulo& x : rotulos())
        if (QLatin1String(x.nome) == QLatin1String(nome) && x.clase == clase) r = &x;
    EXPECT_NE(r, nullptr) << nome;
    return *r;
}

class Rotulos : public Venta {};

} // namespace

// Every row finds exactly one control of a kind it can caption, on its own sheet.
TEST_F(Rotulos, EveryRowFindsItsControl) {
    form->prepararfollas();
    for (const Rotulo& r : rotulos()) {
        SCOPED_TRACE(r.nome);
        const QList<QWidget*> w = form->controisderotulo(r);
        ASSERT_EQ(w.size(), 1);
        EXPECT_TRUE(TForm1::porrotulo(w[0], r.clase, r.texto()));
    }
}

TEST_F(Rotulos, ComposedCaptionsKeepTheirBlanksAndTheLastWriteWins) {
    form->prepararfollas();
    aplicaridioma(0);
    EXPECT_EQ(form->bgardar->text(), "GuardarXML");
    EXPECT_EQ(lerrotulo(form->SpeedButton13, Rotulo::hint), "GuardarXML");
    EXPECT_EQ(form->precur->text(), "   " + textosui[32]);
    EXPECT_EQ(ultimo("chalea7").texto(), "Suma  llevando");
    EXPECT_EQ(ultimo("labelcadros2").texto(), textosui[126] + "  1");
    EXPECT_EQ(ultimo("ctfondo").texto(), "    " + textosui[40]);
    EXPECT_EQ(ultimo("GroupBox58").texto(), textosui[52]);
    aplicaridioma(5);
    EXPECT_EQ(form->bgardar->text(), textosui[2] + "XML");
    EXPECT_EQ(form->labelinsert->text(), textosui[196]);
}

// Every language re-captions every control found with its own entry, and leaves what the table
// does not name as it was.
TEST_F(Rotulos, EveryLanguageRecaptionsEveryControlFound) {
    libro({"1"});
    form->txtcabe->setText("a cabeceira");
    form->titular->setText("titular");
    for (int idioma = 0; idioma < 12; ++idioma) {
        aplicaridioma(idioma);
        std::map<std::pair<QWidget*, int>, QString> agardado;
        for (const Rotulo& r : rotulos())
            for (QWidget* w : form->controisderotulo(r))
                agardado[{w, r.clase}] = r.texto();
        ASSERT_FALSE(agardado.empty());
        for (const auto& [clave, texto] : agardado)
            EXPECT_EQ(lerrotulo(clave.first, clave.second), texto)
                << idioma << " " << clave.first->objectName().toStdString();
    }
    EXPECT_EQ(form->txtcabe->text(), "a cabeceira");
    EXPECT_EQ(form->titular->text(), "titular");
}

// The language start-up captions every sheet, the ones built late included.
TEST(RotulosInicio, TheWindowIsCaptionedAtStartUp) {
    proba::ServizosFalsos fakes;
    QStandardPaths::setTestModeEnabled(true);
    TForm1 f;
    std::map<std::pair<QWidget*, int>, QString> agardado;
    for (const Rotulo& r : rotulos())
        for (QWidget* w : f.controisderotulo(r))
            agardado[{w, r.clase}] = r.texto();
    for (const auto& [clave, texto] : agardado)
        EXPECT_EQ(lerrotulo(clave.first, clave.second), texto) << clave.first->objectName().toStdString();
}
