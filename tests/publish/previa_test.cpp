// "Vista previa" of the export sheet: the page of the last export, or why not.
#include "publish/previa.h"

#include "ficheiros.h"

#include <QTemporaryDir>

using namespace quibel;
using namespace quibel::proba;

namespace {

TEST(Vistapublicada, OnlyThePageTheLastExportWrote) {
    QTemporaryDir tmp;
    const QString saida = tmp.path() + "/saida";
    EXPECT_EQ(vistapublicada(false, saida, "libro.html").texto, 160);
    EXPECT_EQ(vistapublicada(true, saida, "libro.html").texto, 161);
    escribir(saida + "/libro.html", "x");
    EXPECT_EQ(vistapublicada(false, saida, "libro.html").texto, 160) << "the sheet was hidden since";
    const VistaPublicada v = vistapublicada(true, saida + "/", "libro.html");
    EXPECT_EQ(v.texto, -1);
    EXPECT_EQ(v.arquivo, saida + "/libro.html");
    EXPECT_EQ(vistapublicada(true, saida, "").texto, 161) << "a folder is no page";
}

} // namespace
