// Every book of the fuzzers' corpus (broken, hostile and odd ones among them) opens or is refused
// with a message, and every page it has is shown and stored without a failure, then saved and
// published (or refused with its reason).
#include "editor/follas.h"
#include "publish/exportar_ui.h"
#include "ventaproba.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

using namespace quibel;
using proba::Venta;

TEST_F(Venta, EveryCorpusBookShowsEveryPageAndExports) {
    const QDir corpus(QStringLiteral(QUIBEL_CORPUS "/libro"));
    const QStringList libros = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(libros.isEmpty());
    for (const QString& nome : libros) {
        SCOPED_TRACE(nome.toStdString());
        crear();
        fakes.dialogos->mensaxes.clear();
        fakes.dialogos->preguntas.clear();
        fakes.dialogos->aceptartodo = false;
        if (!form->cargar(corpus.filePath(nome))) {
            EXPECT_EQ(fakes.dialogos->mensaxes.size(), 1);
            continue;
        }
        for (int i = 1; i <= form->libro.numpaxinas; ++i)
            form->amosarpaxina(i);
        form->tipaxinas->amosar(TForm1::pasarfolla);
        EXPECT_TRUE(fakes.dialogos->mensaxes.isEmpty()) << fakes.dialogos->mensaxes.join('|').toStdString();

        QTemporaryDir saida;
        ASSERT_TRUE(saida.isValid());
        form->libro.carpetaprograma = QStringLiteral(QUIBEL_PROGRAMA "/");
        fakes.dialogos->arquivos.push_back(saida.filePath("copia.zube"));
        form->bgardars();
        EXPECT_TRUE(QFileInfo::exists(saida.filePath("copia.zube")));
        form->bgardarcomoClick();
        form->prepararfolla(TForm1::exporta);
        form->exportacion->donde->setText(saida.filePath("web"));
        fakes.dialogos->aceptartodo = true;
        form->exportacion->SpeedButton83->click();
        // Published, or refused with its reason.
        const bool escrito = QFileInfo::exists(saida.filePath("web/") + form->exportacion->txthtml->text());
        EXPECT_TRUE(escrito || fakes.dialogos->mensaxes.size() == 1)
            << fakes.dialogos->mensaxes.join('|').toStdString();
    }
}
