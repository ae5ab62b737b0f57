#include "editor/axuda.h"
#include "fakes.h"
#include "languages/idiomas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quibel;

namespace {

void crear(const QString& ruta) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

struct Axuda : ::testing::Test {
    Textosui antes = textosui;
    proba::ServizosFalsos servizos;
    QTemporaryDir programa, datos;
    QString p = programa.path() + "/", d = datos.path() + "/";
    QStringList carpetas{p, d};
    ~Axuda() override { textosui = antes; }
    QList<QUrl> abertos() const { return servizos.aplicacion->abertos; }
};

} // namespace

TEST_F(Axuda, PrefersHtmThenPdfThenTheDataFolder) {
    textosENG();
    crear(d + "quibel_en.htm");
    crear(p + "Quibel_en.htm"); // names are matched as written
    crear(p + "quibel_en.HTM");
    abriraxuda(carpetas);
    crear(p + "quibel_en.pdf");
    abriraxuda(carpetas);
    crear(p + "quibel_en.htm");
    abriraxuda(carpetas);
    EXPECT_EQ(abertos(),
              (QList<QUrl>{QUrl::fromLocalFile(d + "quibel_en.htm"), QUrl::fromLocalFile(p + "quibel_en.pdf"),
                           QUrl::fromLocalFile(p + "quibel_en.htm")}));
    EXPECT_TRUE(servizos.dialogos->preguntas.isEmpty());
}

TEST_F(Axuda, PortugueseAndBrazilianShareAFileAndALanguageFileLooksForTheBareExtension) {
    crear(p + "quibel_pt.htm");
    crear(p + ".pdf");
    textosPOR();
    abriraxuda(carpetas);
    textosBRA();
    abriraxuda(carpetas);
    textosui[220].clear(); // lingua.lng in force
    abriraxuda(carpetas);
    EXPECT_EQ(abertos(),
              (QList<QUrl>{QUrl::fromLocalFile(p + "quibel_pt.htm"), QUrl::fromLocalFile(p + "quibel_pt.htm"),
                           QUrl::fromLocalFile(p + ".pdf")}));
}

TEST_F(Axuda, NoHelpFileAsksAndOnlyYesOpensTheSite) {
    textosESP();
    crear(d + webfabricantes);
    servizos.dialogos->respostas = {QMessageBox::No, QMessageBox::Yes};
    abriraxuda(carpetas);
    EXPECT_TRUE(abertos().isEmpty());
    abriraxuda(carpetas);
    EXPECT_EQ(servizos.dialogos->preguntas, (QStringList{textosui[159], textosui[159]}));
    EXPECT_EQ(abertos(), QList<QUrl>{QUrl::fromLocalFile(d + webfabricantes)});
    // Nowhere to go: Yes opens nothing.
    QFile::remove(d + webfabricantes);
    servizos.dialogos->respostas = {QMessageBox::Yes};
    abriraxuda(carpetas);
    EXPECT_EQ(abertos().size(), 1);
}

TEST(CarpetasAxuda, ProgramFolderFirstThenDataFolders) {
    QStringList c = carpetasaxuda("/opt/quibel/bin/");
    ASSERT_GE(c.size(), 2);
    EXPECT_EQ(c[0], "/opt/quibel/bin/");
    EXPECT_EQ(c[1], "/opt/quibel/share/quibel/");
    EXPECT_EQ(c.removeDuplicates(), 0);
    for (const QString& s : c)
        EXPECT_TRUE(s.endsWith('/')) << s.toStdString();
    EXPECT_EQ(carpetasaxuda("/opt/quibel/bin")[0], "/opt/quibel/bin/");
}
