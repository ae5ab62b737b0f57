// The import sheet of the main window.
#include "editor/controis.h"
#include "editor/follas.h"
#include "ventaproba.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace quibel;
using proba::Venta;

namespace {

QString fixture(const char* carpeta, const char* nome) {
    return QStringLiteral(QUIBEL_FIXTURES "/%1/%2").arg(QLatin1String(carpeta), QLatin1String(nome));
}

class Importar : public Venta {};

} // namespace

TEST_F(Importar, NoPageShownNoSheet) {
    libro({});
    const int antes = folla();
    form->btinserirClick();
    EXPECT_EQ(folla(), antes);
}

TEST_F(Importar, ChooseTheSourceThenInsertTheRange) {
    libro({"1", "1"});
    form->amosarpaxina(1);
    form->btinserirClick();
    EXPECT_EQ(folla(), TForm1::inserir);
    EXPECT_EQ(form->titular->text(), textosui[196]);
    EXPECT_FALSE(form->btinserirxa->isEnabled());

    fakes.dialogos->arquivos.push_back(fixture("importar", "seis.zube"));
    form->SpeedButton200->click();
    EXPECT_EQ(form->arquivoengadir->text(), fixture("importar", "seis.zube"));
    EXPECT_EQ(form->engadedesde->text(), "1");
    EXPECT_EQ(form->engadeata->text(), "6");
    ASSERT_TRUE(form->btinserirxa->isEnabled());

    form->engadedesde->setText("2");
    form->engadeata->setText("3");
    const QString nome = form->txtlibro->text();
    form->btinserirxa->click();
    EXPECT_EQ(cabeceiras(), "h1 s2 a & b h2");
    EXPECT_EQ(form->numpaxinap->count(), 4);
    EXPECT_EQ(form->documento.paxinaactual(), 1);
    EXPECT_EQ(folla(), 1 + primeirafollatipo); // page 1 shown again
    EXPECT_EQ(form->txtlibro->text(), nome);
    EXPECT_TRUE(fakes.dialogos->mensaxes.isEmpty());
}

TEST_F(Importar, ABrokenSourceIsSilentWhenChosenAndToldOnceOnInsert) {
    libro({"1", "1"});
    form->amosarpaxina(2);
    form->btinserirClick();
    form->paraengadir(fixture("comandos", "roto.zube"));
    EXPECT_FALSE(form->btinserirxa->isEnabled());
    EXPECT_TRUE(fakes.dialogos->mensaxes.isEmpty());
    form->engadir(fixture("comandos", "roto.zube"), 1, 3);
    EXPECT_EQ(fakes.dialogos->mensaxes.size(), 1);
    EXPECT_EQ(cabeceiras(), "h1 h2");
    EXPECT_EQ(form->numpaxinap->count(), 2);
}
